// The stand-in host of the mesh editor tests.
#include "tests/mesh_editor/mesh_host.h"

#include <cstring>

namespace meshtest {

namespace {

// Copies `text` into a host name array, without a NUL when it fills the array.
template <size_t Capacity>
void setName(char (&name)[Capacity], const std::string& text) {
    std::memset(name, 0, Capacity);
    std::memcpy(name, text.data(), text.size() < Capacity ? text.size() : Capacity);
}

HostLog log;

}  // namespace

HostMesh::HostMesh(const std::vector<AnimationSetup>& animations)
    : mesh_(new Mesh{}), animations_(new MeshAnimation[animations.size()]{}), count_(int(animations.size())) {
    for (int i = 0; i < count_; ++i) {
        MeshAnimation& animation = animations_[i];
        animation.AnimationFlags = animations[i].flags;
        animation.hostField = 0xA0000000u + i;
        animation.speed = animations[i].speed;
        for (int j = 0; j < 4; ++j) animation.hostBlock[j] = 0xB0000000u + i * 16 + j;
        for (int j = 0; j < 2; ++j) animation.hostTrailing[j] = 0xC0000000u + i * 16 + j;
        setName(animation.name, animations[i].name);
    }
    mesh_->animationCount = count_;
    mesh_->animations = count_ > 0 ? animations_.get() : nullptr;
    for (int j = 0; j < 8; ++j) mesh_->hostData[j] = 0xD0000000u + j;
    setName(mesh_->name, "test mesh");
}

MeshImage imageOf(HostMesh& host) {
    MeshImage image;
    auto bytes = [](const void* data, size_t size) {
        const auto* begin = static_cast<const unsigned char*>(data);
        return std::vector<unsigned char>(begin, begin + size);
    };
    image.mesh = bytes(&host.mesh(), sizeof(Mesh));
    for (int i = 0; i < host.animationCount(); ++i) {
        image.animations.push_back(bytes(&host.animation(i), sizeof(MeshAnimation)));
    }
    return image;
}

HostLog& hostLog() { return log; }
void resetHostLog() { log = HostLog{}; }

long recordApply(const char* text, short tag) {
    ++log.applyCalls;
    log.applyText = text;
    log.applyTag = tag;
    return 99;
}

long answerChooser(long current) {
    log.chooserArguments.push_back(current);
    if (log.chooserAnswers.empty()) return current;
    const long answer = log.chooserAnswers.front();
    log.chooserAnswers.erase(log.chooserAnswers.begin());
    return answer;
}

Material* findMaterial(short id) {
    log.lookupArguments.push_back(id);
    if (id < 0 || size_t(id) >= log.materials.size()) return nullptr;
    return log.materials[size_t(id)];
}

std::unique_ptr<Material> makeMaterial(const std::string& name) {
    std::unique_ptr<Material> material(new Material{});
    setName(material->name, name);
    return material;
}

long runEditor(HostMesh& host, short tag) {
    WindowNode parent{nullptr};
    return createMeshEditorDialog(&parent, &host.mesh(), tag, recordApply, answerChooser, findMaterial);
}

}  // namespace meshtest
