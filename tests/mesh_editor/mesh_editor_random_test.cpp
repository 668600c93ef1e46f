// Random user sessions in the mesh editor, checked against a model of the dialog: Cancel must
// leave every byte as it was, OK exactly the changes the model predicts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "tests/mesh_editor/mesh_host.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

using meshtest::AnimationSetup;
using meshtest::HostMesh;
using scripted::Dialog;

// MESH_EDITOR_RANDOM_SESSIONS comes from the build: fewer under Wine, where every dialog costs
// far more time than on the headless manager.
constexpr int kSessions = MESH_EDITOR_RANDOM_SESSIONS;
constexpr unsigned kSeed = 20261205;

struct BoxBit {
    int id;
    uint32_t bit;
};
const BoxBit kMeshBoxes[] = {{1027, 0x4},    {1028, 0x10},   {1010, 0x40},    {1067, 0x80},
                             {1030, 0x200},  {1059, 0x400},  {1011, 0x800},   {1098, 0x2000},
                             {1100, 0x4000}, {1156, 0x20000}, {1003, 0x40000}};
const BoxBit kAnimationBoxes[] = {{1134, 0x01}, {1157, 0x02}, {1163, 0x04}, {1164, 0x08}, {1171, 0x10}};
const char* const kNames[] = {"Walk", "Idle", "Run", "walk", "Attack_2", "_hidden", "Zed", "jump"};
const char* const kSizeTexts[] = {"1.5", "abc", "-2e3", "", "  7.25", "3.14159265358979", "1e-3x", "42",
                                  "-0.0001", "123456789", "9.99999", "1234567890123456789012345678901234"};

// What the dialog should do to the mesh, computed without the dialog.
class MeshModel {
public:
    explicit MeshModel(HostMesh& host) : mesh_(host.mesh()) {
        for (int i = 0; i < host.animationCount(); ++i) animations_.push_back(host.animation(i));
        for (float& lod : mesh_.lodRange) lod = float(int32_t(lod));  // opening shows whole numbers
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.5g", mesh_.fakeShadowSize);  // same value as the short form
        mesh_.fakeShadowSize = float(std::strtod(shown, nullptr));
        for (const BoxBit& box : kMeshBoxes) meshBoxes_.push_back((mesh_.MeshFlags & box.bit) != 0);
    }

    void clickMeshBox(size_t which) {
        meshBoxes_[which] = !meshBoxes_[which];
        setBit(mesh_.MeshFlags, kMeshBoxes[which].bit, meshBoxes_[which]);
        if (meshBoxes_[which] && which < 2) {  // the billboard pair
            meshBoxes_[1 - which] = false;
            setBit(mesh_.MeshFlags, kMeshBoxes[1 - which].bit, false);
        }
    }
    void typeLod(int index, const std::string& typed) { mesh_.lodRange[index] = float(digitsValue(typed)); }
    void typeSize(const std::string& typed) {
        mesh_.fakeShadowSize = float(std::strtod(typed.substr(0, 31).c_str(), nullptr));
    }
    void chooseMaterial(long answer) { mesh_.fakeShadowMaterial = int16_t(uint16_t(answer)); }
    void select(int animationIndex) {
        selected_ = animationIndex;
        speedShown_ = animations_[selected_].speed;
        for (size_t i = 0; i < 5; ++i) panelBoxes_[i] = animations_[selected_].AnimationFlags & kAnimationBoxes[i].bit;
    }
    void typeSpeed(const std::string& typed) {
        speedShown_ = digitsValue(typed);
        storeAnimation();
    }
    void clickAnimationBox(size_t which) {
        panelBoxes_[which] = !panelBoxes_[which];
        storeAnimation();
    }
    const Mesh& mesh() const { return mesh_; }
    const std::vector<MeshAnimation>& animations() const { return animations_; }

private:
    static void setBit(uint32_t& word, uint32_t bit, bool on) { word = on ? word | bit : word & ~bit; }
    // What a digits-only field holds after typing: the digits; empty reads as 0.
    static int32_t digitsValue(const std::string& typed) {
        std::string digits;
        for (char c : typed) if (c >= '0' && c <= '9') digits += c;
        return int32_t(std::atol(digits.c_str()));
    }
    void storeAnimation() {
        if (selected_ < 0) return;
        MeshAnimation& animation = animations_[selected_];
        animation.speed = speedShown_;
        for (size_t i = 0; i < 5; ++i) setBit(animation.AnimationFlags, kAnimationBoxes[i].bit, panelBoxes_[i]);
    }

    Mesh mesh_;
    std::vector<MeshAnimation> animations_;
    std::vector<bool> meshBoxes_;
    int selected_ = -1;
    int32_t speedShown_ = 0;
    bool panelBoxes_[5] = {};
};

HostMesh randomMesh(std::mt19937& random) {
    std::vector<AnimationSetup> animations(random() % 6);
    for (AnimationSetup& animation : animations) {
        animation = {kNames[random() % 8], int32_t(random() % 2000) - 100, uint32_t(random())};
    }
    HostMesh host(animations);
    Mesh& mesh = host.mesh();
    mesh.MeshFlags = uint32_t(random());
    for (float& lod : mesh.lodRange) lod = float(int(random() % 200001) - 100000) / 8.0f;
    const float scales[] = {1e-6f, 1e-3f, 1.0f, 1e3f, 1e6f};
    mesh.fakeShadowSize = float(random() % 100000) / 997.0f * scales[random() % 5];
    mesh.fakeShadowMaterial = int16_t(random());
    return host;
}

std::string randomDigits(std::mt19937& random) {
    std::string text;
    const char keys[] = "0123456789-a";
    for (int n = random() % 10; n > 0; --n) text += keys[random() % 12];
    return text;
}

// One random action, done in the dialog and in the model alike.
void randomAction(std::mt19937& random, Dialog& dialog, MeshModel& model) {
    const int animationCount = int(model.animations().size());
    const unsigned kind = random() % 8;
    if (kind < 2) {
        const size_t which = random() % 11;
        dialog.click(kMeshBoxes[which].id);
        model.clickMeshBox(which);
    } else if (kind == 2) {
        const int index = random() % 8;
        const std::string typed = randomDigits(random);
        dialog.type(IDC_LOD_RANGE_1 + index, typed);
        model.typeLod(index, typed);
    } else if (kind == 3) {
        const std::string typed = kSizeTexts[random() % 12];
        dialog.type(IDC_FAKE_SHADOW_SIZE, typed);
        model.typeSize(typed);
    } else if (kind == 4) {
        const long answer = long(random() % 200000) - 100000;
        meshtest::hostLog().chooserAnswers = {answer};
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        model.chooseMaterial(answer);
    } else if (kind == 5 && animationCount > 0) {
        const int position = random() % animationCount;
        dialog.clickListItem(IDC_ANIMATION_LIST, position);
        model.select(int(dialog.listItemData(IDC_ANIMATION_LIST, position)));
    } else if (kind == 6) {
        const std::string typed = randomDigits(random);
        dialog.type(IDC_ANIMATION_SPEED, typed);
        model.typeSpeed(typed);
    } else if (kind == 7) {
        const size_t which = random() % 5;
        dialog.click(kAnimationBoxes[which].id);
        model.clickAnimationBox(which);
    }
}

void expectMeshMatchesModel(HostMesh& host, const MeshModel& model) {
    EXPECT_EQ(std::memcmp(&host.mesh(), &model.mesh(), sizeof(Mesh)), 0);
    for (int i = 0; i < host.animationCount(); ++i) {
        EXPECT_EQ(std::memcmp(&host.animation(i), &model.animations()[i], sizeof(MeshAnimation)), 0) << i;
    }
}

TEST(MeshEditorRandom, CancelRestoresEveryByteAndOkKeepsExactlyTheModelledChanges) {
    std::mt19937 random(kSeed);
    scripted::User user;
    for (int session = 0; session < kSessions; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        meshtest::resetHostLog();
        HostMesh host = randomMesh(random);
        const meshtest::MeshImage before = meshtest::imageOf(host);
        MeshModel model(host);
        const int actions = random() % 15;
        const int ending = random() % 4;
        user.then([&](Dialog& dialog) {
            if (!model.animations().empty()) model.select(int(dialog.listItemData(IDC_ANIMATION_LIST, 0)));
            for (int i = 0; i < actions; ++i) randomAction(random, dialog, model);
            expectMeshMatchesModel(host, model);
            if (ending == 0) dialog.click(IDOK);
            if (ending == 1) dialog.click(IDCANCEL);
            if (ending == 2) dialog.pressEscape();
            if (ending == 3) dialog.closeBox();
        });
        const long result = meshtest::runEditor(host);
        EXPECT_EQ(result, ending == 0 ? 1 : 0);
        if (ending == 0) {
            expectMeshMatchesModel(host, model);
        } else {
            EXPECT_TRUE(meshtest::imageOf(host) == before);
        }
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
