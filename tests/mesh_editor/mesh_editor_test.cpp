// The mesh editor as a user drives it: what the dialog shows, what each control changes, and
// what OK and Cancel leave in the host's mesh.
#include <gtest/gtest.h>

#include <cstring>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "tests/mesh_editor/mesh_host.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

using meshtest::HostMesh;
using meshtest::hostLog;
using meshtest::imageOf;
using meshtest::runEditor;
using scripted::Dialog;

using MeshEditor = meshtest::EditorTest;

HostMesh walkIdleRun() {
    return HostMesh({{"Walk", 30, ANIMATION_LOOP}, {"Idle", 12, ANIMATION_LOOP_BOUNCE}, {"Run", 45, 0}});
}

TEST_F(MeshEditor, OpeningShowsTheMeshAndOkKeepsTheWholeNumberLodsAndShortSize) {
    HostMesh host = walkIdleRun();
    Mesh& mesh = host.mesh();
    mesh.MeshFlags = MESH_SHADOW_CASTER | MESH_FAKE_SHADOW_AUTO_SIZE | 0x80000001u;
    const float lods[8] = {12.7f, -3.2f, 0.0f, 100.0f, 2.5f, -0.5f, 99999.9f, 7.0f};
    std::memcpy(mesh.lodRange, lods, sizeof lods);
    mesh.fakeShadowSize = 1.234567f;
    mesh.fakeShadowMaterial = 1;
    std::strcpy(mesh.name, "Barrel");
    auto material = meshtest::makeMaterial("Soft Shadow");
    hostLog().materials = {nullptr, material.get()};

    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Edit Mesh Dialog:  Barrel");
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "Soft Shadow");
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_1), "12");
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_2), "-3");
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_6), "0");
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_7), "99999");
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_SIZE), "1.2346");
        EXPECT_TRUE(dialog.checked(IDC_SHADOW_CASTER));
        EXPECT_TRUE(dialog.checked(IDC_FAKE_SHADOW_AUTO_SIZE));
        EXPECT_FALSE(dialog.checked(IDC_STATIC_SHADOWS));
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_2D));
        EXPECT_TRUE(dialog.listItems(IDC_SKELETON_LIST).empty());
        dialog.click(IDC_EDIT_ANIMATION_STATS);  // has no handling
        dialog.pressEnter();
    });
    EXPECT_EQ(runEditor(host, 31), 1);

    const float expected[8] = {12.0f, -3.0f, 0.0f, 100.0f, 2.0f, 0.0f, 99999.0f, 7.0f};
    EXPECT_EQ(std::memcmp(mesh.lodRange, expected, sizeof expected), 0);
    EXPECT_EQ(mesh.fakeShadowSize, 1.2346f);
    EXPECT_EQ(mesh.MeshFlags, MESH_SHADOW_CASTER | MESH_FAKE_SHADOW_AUTO_SIZE | 0x80000001u);
    EXPECT_EQ(hostLog().applyCalls, 1);
    EXPECT_EQ(hostLog().applyText, nullptr);
    EXPECT_EQ(hostLog().applyTag, 31);
    EXPECT_EQ(hostLog().lookupArguments, std::vector<short>{1});
}

TEST_F(MeshEditor, AnimationsAreListedByNameWithTheFirstSelectedAndTheirIndexAsItemData) {
    HostMesh host = walkIdleRun();
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.listItems(IDC_ANIMATION_LIST), (std::vector<std::string>{"Idle", "Run", "Walk"}));
        EXPECT_EQ(dialog.listSelection(IDC_ANIMATION_LIST), 0);
        EXPECT_EQ(dialog.listItemData(IDC_ANIMATION_LIST, 0), 1);
        EXPECT_EQ(dialog.listItemData(IDC_ANIMATION_LIST, 1), 2);
        EXPECT_EQ(dialog.listItemData(IDC_ANIMATION_LIST, 2), 0);
        EXPECT_EQ(dialog.text(IDC_ANIMATION_SPEED), "12");
        EXPECT_TRUE(dialog.checked(IDC_ANIMATION_LOOP_BOUNCE));
        EXPECT_FALSE(dialog.checked(IDC_ANIMATION_LOOP));
        dialog.type(IDC_ANIMATION_SPEED, "24");
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.animation(1).speed, 24);
    EXPECT_EQ(host.animation(1).AnimationFlags, uint32_t(ANIMATION_LOOP_BOUNCE));
    EXPECT_EQ(host.animation(0).speed, 30);
    EXPECT_EQ(host.animation(2).speed, 45);
}

TEST_F(MeshEditor, SelectingAnotherAnimationChangesNoRecordOnlyLaterEditsDo) {
    HostMesh host = walkIdleRun();
    host.animation(0).AnimationFlags = ANIMATION_LOOP | ANIMATION_SKIP_LAST_NODE | 0x100u;
    const meshtest::MeshImage before = imageOf(host);
    user.then([&](Dialog& dialog) {
        dialog.clickListItem(IDC_ANIMATION_LIST, "Walk");
        EXPECT_EQ(dialog.text(IDC_ANIMATION_SPEED), "30");
        EXPECT_TRUE(dialog.checked(IDC_ANIMATION_LOOP));
        EXPECT_TRUE(dialog.checked(IDC_ANIMATION_SKIP_LAST_NODE));
        EXPECT_FALSE(dialog.checked(IDC_ANIMATION_LOOP_BOUNCE));
        dialog.clickListItem(IDC_ANIMATION_LIST, "Run");
        dialog.clickListItem(IDC_ANIMATION_LIST, "Idle");
        EXPECT_TRUE(imageOf(host) == before);
        dialog.clickListItem(IDC_ANIMATION_LIST, "Walk");
        dialog.click(IDC_ANIMATION_INSTANT_TERMINATE);
        dialog.click(IDC_ANIMATION_LOOP);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.animation(0).AnimationFlags, ANIMATION_SKIP_LAST_NODE | ANIMATION_INSTANTLY_TERMINATE | 0x100u);
    EXPECT_EQ(std::memcmp(&host.animation(1), before.animations[1].data(), sizeof(MeshAnimation)), 0);
    EXPECT_EQ(std::memcmp(&host.animation(2), before.animations[2].data(), sizeof(MeshAnimation)), 0);
}

TEST_F(MeshEditor, EachFlagBoxSetsAndClearsItsOwnBitOnly) {
    struct Box {
        int id;
        uint32_t bit;
    };
    const Box boxes[] = {{IDC_SHADOW_CASTER, 0x40},          {IDC_ALPHA_BLEND_LODS, 0x80},
                         {IDC_COLLISION_BUFFER_ENTRY, 0x200}, {IDC_RANDOM_PLACEMENT_ROT, 0x400},
                         {IDC_STATIC_SHADOWS, 0x800},         {IDC_RANDOM_BILLBOARD_3D_ROT, 0x2000},
                         {IDC_SQUARE_AXIS_ALIGNED, 0x4000},   {IDC_FAKE_SHADOWS, 0x20000},
                         {IDC_FAKE_SHADOW_AUTO_SIZE, 0x40000}};
    HostMesh host;
    const uint32_t hostBits = 0xFFF00000u | 0x1000u | 0x8u;
    host.mesh().MeshFlags = hostBits;
    user.then([&](Dialog& dialog) {
        uint32_t expected = hostBits;
        for (const Box& box : boxes) {
            SCOPED_TRACE(box.id);
            dialog.click(box.id);
            EXPECT_EQ(host.mesh().MeshFlags, hostBits | box.bit);
            dialog.click(box.id);
            EXPECT_EQ(host.mesh().MeshFlags, hostBits);
        }
        for (const Box& box : boxes) {
            dialog.click(box.id);
            expected |= box.bit;
        }
        EXPECT_EQ(host.mesh().MeshFlags, expected);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.mesh().MeshFlags, hostBits | 0x66EC0u);
}

TEST_F(MeshEditor, TurningOneBillboardOnTurnsTheOtherOffButTurningOffLeavesItAlone) {
    HostMesh host;
    host.mesh().MeshFlags = MESH_BILLBOARD_2D;
    user.then([&](Dialog& dialog) {
        EXPECT_TRUE(dialog.checked(IDC_BILLBOARD_2D));
        dialog.click(IDC_BILLBOARD_3D);
        EXPECT_EQ(host.mesh().MeshFlags, uint32_t(MESH_BILLBOARD_3D));
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_2D));
        dialog.click(IDC_BILLBOARD_3D);
        EXPECT_EQ(host.mesh().MeshFlags, 0u);
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_2D));
        dialog.click(IDC_BILLBOARD_3D);
        dialog.click(IDC_BILLBOARD_2D);
        EXPECT_EQ(host.mesh().MeshFlags, uint32_t(MESH_BILLBOARD_2D));
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_3D));
        dialog.click(IDC_BILLBOARD_2D);
        EXPECT_EQ(host.mesh().MeshFlags, 0u);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    // Both bits arriving together stay so until one box is clicked, which unchecks only itself.
    host.mesh().MeshFlags = MESH_BILLBOARD_2D | MESH_BILLBOARD_3D;
    user.then([](Dialog& dialog) {
        EXPECT_TRUE(dialog.checked(IDC_BILLBOARD_2D));
        EXPECT_TRUE(dialog.checked(IDC_BILLBOARD_3D));
        dialog.click(IDOK);
    });
    user.then([](Dialog& dialog) {
        dialog.click(IDC_BILLBOARD_2D);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.mesh().MeshFlags, MESH_BILLBOARD_2D | MESH_BILLBOARD_3D);
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.mesh().MeshFlags, uint32_t(MESH_BILLBOARD_3D));
}

TEST_F(MeshEditor, TypedValuesAreStoredAsTheFieldsReadThem) {
    HostMesh host({{"Only", 5, 0}});
    user.then([&](Dialog& dialog) {
        dialog.type(IDC_LOD_RANGE_3, "1a2-3");  // digits only: the field holds 123
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_3), "123");
        dialog.type(IDC_LOD_RANGE_4, "");
        dialog.type(IDC_FAKE_SHADOW_SIZE, "  -2.5e1xyz");
        EXPECT_EQ(host.mesh().fakeShadowSize, -25.0f);
        dialog.type(IDC_FAKE_SHADOW_SIZE, "abc");
        EXPECT_EQ(host.mesh().fakeShadowSize, 0.0f);
        // Only the first 31 characters are read.
        dialog.type(IDC_FAKE_SHADOW_SIZE, "1234567890123456789012345678901999");
        dialog.type(IDC_ANIMATION_SPEED, "");
        dialog.click(IDOK);
    });
    host.mesh().lodRange[3] = 55.0f;
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.mesh().lodRange[2], 123.0f);
    EXPECT_EQ(host.mesh().lodRange[3], 0.0f);
    EXPECT_EQ(host.mesh().fakeShadowSize, 1234567890123456789012345678901.0f);
    EXPECT_EQ(host.animation(0).speed, 0);
}

TEST_F(MeshEditor, MaterialButtonHandsOverTheSignedIdAndKeepsTheLow16BitsOfTheAnswer) {
    HostMesh host;
    host.mesh().fakeShadowMaterial = -5;
    auto first = meshtest::makeMaterial("First");
    hostLog().materials = {first.get(), nullptr, nullptr};
    hostLog().chooserAnswers = {0x10000, 0x12345, 2};
    user.then([&](Dialog& dialog) {
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "N/A");
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        EXPECT_EQ(host.mesh().fakeShadowMaterial, 0);
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "First");
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        EXPECT_EQ(host.mesh().fakeShadowMaterial, 0x2345);
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "N/A");
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);  // the chooser answers with the same id
        EXPECT_EQ(host.mesh().fakeShadowMaterial, 2);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(hostLog().chooserArguments, (std::vector<long>{-5, 0, 0x2345, 2}));
    EXPECT_EQ(hostLog().lookupArguments, (std::vector<short>{-5, 0, 0x2345, 2, 2}));
}

TEST_F(MeshEditor, CancelEscapeAndTheCloseBoxRestoreEveryByteIncludingTheChosenMaterial) {
    using Ending = void (*)(Dialog&);
    const Ending endings[] = {[](Dialog& d) { d.click(IDCANCEL); }, [](Dialog& d) { d.pressEscape(); },
                              [](Dialog& d) { d.closeBox(); }};
    for (Ending ending : endings) {
        HostMesh host = walkIdleRun();
        host.mesh().MeshFlags = MESH_BILLBOARD_2D | 0x01000000u;
        host.mesh().lodRange[0] = 12.7f;
        host.mesh().fakeShadowSize = 1.234567f;
        const meshtest::MeshImage before = imageOf(host);
        hostLog().chooserAnswers = {77};
        user.then([&](Dialog& dialog) {
            dialog.click(IDC_BILLBOARD_3D);
            dialog.click(IDC_FAKE_SHADOWS);
            dialog.type(IDC_LOD_RANGE_8, "900");
            dialog.type(IDC_FAKE_SHADOW_SIZE, "3.5");
            dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
            dialog.type(IDC_ANIMATION_SPEED, "1");
            dialog.clickListItem(IDC_ANIMATION_LIST, "Walk");
            dialog.click(IDC_ANIMATION_START_RANDOM_FRAME);
            dialog.clickListItem(IDC_ANIMATION_LIST, "Run");
            dialog.type(IDC_ANIMATION_SPEED, "0");
            EXPECT_EQ(host.mesh().fakeShadowMaterial, 77);
            ending(dialog);
        });
        EXPECT_EQ(runEditor(host), 0);
        EXPECT_TRUE(imageOf(host) == before);
        EXPECT_EQ(hostLog().applyCalls, 0);
    }
}

TEST_F(MeshEditor, AMeshWithoutAnimationsHasAnEmptyPanelThatStoresNothing) {
    HostMesh host;
    const meshtest::MeshImage before = imageOf(host);
    user.then([&](Dialog& dialog) {
        EXPECT_TRUE(dialog.listItems(IDC_ANIMATION_LIST).empty());
        EXPECT_EQ(dialog.listSelection(IDC_ANIMATION_LIST), -1);
        dialog.type(IDC_ANIMATION_SPEED, "12");
        dialog.click(IDC_ANIMATION_LOOP);
        dialog.click(IDC_SHADOW_CASTER);
        dialog.click(IDCANCEL);
    });
    EXPECT_EQ(runEditor(host), 0);
    EXPECT_TRUE(imageOf(host) == before);
}

}  // namespace
