// A stand-in host for the mesh editor tests: meshes on the heap at their exact size (so the
// sanitizers see any read past a record), recording callbacks, and byte images of a mesh.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <UIResource/UIResource.h>
#include "platform/scripted_user/scripted_user.h"

namespace meshtest {

struct AnimationSetup {
    std::string name;
    int32_t speed;
    uint32_t flags;
};

// A host mesh with its animation array, both owned here.
class HostMesh {
public:
    explicit HostMesh(const std::vector<AnimationSetup>& animations = {});
    Mesh& mesh() { return *mesh_; }
    MeshAnimation& animation(int index) { return animations_[index]; }
    int animationCount() const { return count_; }

private:
    std::unique_ptr<Mesh> mesh_;
    std::unique_ptr<MeshAnimation[]> animations_;
    int count_;
};

// Every byte of the Mesh record and of every animation record (names and trailing fields too).
struct MeshImage {
    std::vector<unsigned char> mesh;
    std::vector<std::vector<unsigned char>> animations;
    bool operator==(const MeshImage& other) const {
        return mesh == other.mesh && animations == other.animations;
    }
};
MeshImage imageOf(HostMesh& host);

// What the host's callbacks saw, and what they answer. Reset before each test.
struct HostLog {
    int applyCalls = 0;
    const char* applyText = "not called";
    short applyTag = 0;
    std::vector<long> chooserArguments;
    std::vector<long> chooserAnswers;  // answered in order; the argument is echoed when empty
    std::vector<short> lookupArguments;
    std::vector<Material*> materials;  // looked up by id; an id out of range finds nothing
};
HostLog& hostLog();
void resetHostLog();

long recordApply(const char* text, short tag);
long answerChooser(long current);
Material* findMaterial(short id);

// A material on the heap at its exact size, named `name` (cut to the array, no NUL if it fills it).
std::unique_ptr<Material> makeMaterial(const std::string& name);

// Runs the editor on `host` with the recording callbacks and the given tag.
long runEditor(HostMesh& host, short tag = 7);

// A fresh host log and a scripted user for each test.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { resetHostLog(); }
    scripted::User user;
};

}  // namespace meshtest
