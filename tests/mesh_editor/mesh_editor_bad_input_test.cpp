// What the mesh editor does with bad input from its host: null pointers, counts that make no
// sense, names that fill their arrays, snapshots that cannot be allocated and a nested call.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <UIResource/UIResource.h>
#include "mesh_editor/mesh_snapshot.h"
#include "resources/resource_ids.h"
#include "tests/mesh_editor/mesh_host.h"

namespace {

using meshtest::HostMesh;
using meshtest::hostLog;
using meshtest::imageOf;
using meshtest::runEditor;
using scripted::Dialog;

using MeshEditorBadInput = meshtest::EditorTest;

// Allocations counted from 1; the one numbered failingAllocation fails.
int allocationsSeen = 0;
int failingAllocation = 0;
void* failNthAllocation(size_t bytes) {
    return ++allocationsSeen == failingAllocation ? nullptr : std::malloc(bytes);
}

TEST_F(MeshEditorBadInput, ANullMeshReturnsZeroWithoutOpeningTheDialog) {
    WindowNode parent{nullptr};
    EXPECT_EQ(createMeshEditorDialog(&parent, nullptr, 1, meshtest::recordApply, nullptr, nullptr), 0);
    EXPECT_EQ(user.dialogsOpened(), 0);
    EXPECT_EQ(hostLog().applyCalls, 0);
}

// The entry returns 0 without running the dialog when the snapshot fails; the snapshot itself
// must then leave nothing allocated and the mesh untouched.
TEST_F(MeshEditorBadInput, ASnapshotThatCannotBeAllocatedLeavesTheMeshUntouched) {
    for (int failing : {1, 2}) {  // the record copy, then the animation copy
        SCOPED_TRACE(failing);
        HostMesh host({{"Walk", 3, 1}});
        const meshtest::MeshImage before = imageOf(host);
        allocationsSeen = 0;
        failingAllocation = failing;
        MeshSnapshot snapshot{reinterpret_cast<Mesh*>(&host), nullptr};
        EXPECT_FALSE(takeMeshSnapshot(host.mesh(), snapshot, failNthAllocation));
        EXPECT_EQ(allocationsSeen, failing);
        EXPECT_EQ(snapshot.mesh, nullptr);
        EXPECT_EQ(snapshot.animations, nullptr);
        EXPECT_TRUE(imageOf(host) == before);
    }
}

TEST_F(MeshEditorBadInput, ANegativeCountOrANullArrayMeansNoAnimations) {
    HostMesh host({{"Walk", 3, 1}, {"Run", 4, 2}});
    host.mesh().animationCount = -2;
    HostMesh orphan;
    orphan.mesh().animationCount = 3;  // with a null array
    for (HostMesh* subject : {&host, &orphan}) {
        const meshtest::MeshImage before = imageOf(*subject);
        user.then([](Dialog& dialog) {
            EXPECT_TRUE(dialog.listItems(IDC_ANIMATION_LIST).empty());
            dialog.type(IDC_ANIMATION_SPEED, "9");
            dialog.click(IDC_ANIMATION_LOOP);
            dialog.click(IDC_SHADOW_CASTER);
            dialog.click(IDCANCEL);
        });
        EXPECT_EQ(runEditor(*subject), 0);
        EXPECT_TRUE(imageOf(*subject) == before);
    }
}

TEST_F(MeshEditorBadInput, NullCallbacksAreSkipped) {
    HostMesh host;
    host.mesh().fakeShadowMaterial = 4;
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "N/A");
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "N/A");
        dialog.click(IDOK);
    });
    EXPECT_EQ(createMeshEditorDialog(nullptr, &host.mesh(), 0, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(host.mesh().fakeShadowMaterial, 4);
}

TEST_F(MeshEditorBadInput, NamesThatFillTheirArraysAreShownWholeAndNeverOverrun) {
    const std::string meshName(UIRESOURCE_MESH_NAME_CAPACITY, 'm');
    const std::string animationName(UIRESOURCE_ANIMATION_NAME_CAPACITY, 'a');
    const std::string materialName(UIRESOURCE_MATERIAL_NAME_CAPACITY, 'x');
    HostMesh host({{animationName, 1, 0}});  // the last record of its array, on the heap
    std::memcpy(host.mesh().name, meshName.data(), meshName.size());
    auto material = meshtest::makeMaterial(materialName);
    hostLog().materials = {material.get()};
    user.then([&](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Edit Mesh Dialog:  " + meshName);
        EXPECT_EQ(dialog.listItems(IDC_ANIMATION_LIST), std::vector<std::string>{animationName});
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), materialName);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
}

TEST_F(MeshEditorBadInput, LodValuesBeyondTheIntegerRangeStopAtItsEnds) {
    HostMesh host;
    const float lods[8] = {3e9f, -3e9f, std::numeric_limits<float>::infinity(), std::nanf(""), 2147483520.0f,
                           -2147483648.0f, 1e-30f, -0.0f};
    std::memcpy(host.mesh().lodRange, lods, sizeof lods);
    user.then([](Dialog& dialog) {
        const char* shown[8] = {"2147483647", "-2147483648", "2147483647", "0", "2147483520", "-2147483648", "0", "0"};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(dialog.text(IDC_LOD_RANGE_1 + i), shown[i]) << "LOD " << i + 1;
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    const float expected[8] = {2147483648.0f, -2147483648.0f, 2147483648.0f, 0.0f, 2147483520.0f,
                               -2147483648.0f, 0.0f, 0.0f};
    EXPECT_EQ(std::memcmp(host.mesh().lodRange, expected, sizeof expected), 0);
}

TEST_F(MeshEditorBadInput, NonFiniteSizesShowByName) {
    HostMesh host;
    host.mesh().fakeShadowSize = -std::numeric_limits<float>::infinity();
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_SIZE), "-inf");
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(host.mesh().fakeShadowSize, -std::numeric_limits<float>::infinity());
}

// A second editor asked for while the first's dialog runs (here by the material chooser) is
// refused; one asked for by onApply, which comes after the dialog has ended, runs.
HostMesh* nestedSubject = nullptr;
long nestedResult = 99;
long chooseByOpeningAnotherEditor(long current) {
    nestedResult = runEditor(*nestedSubject);
    return current + 1;
}
long applyByOpeningAnotherEditor(const char* text, short tag) {
    meshtest::recordApply(text, tag);
    nestedResult = runEditor(*nestedSubject);
    return 0;
}

TEST_F(MeshEditorBadInput, AnEditorOpenedWhileAnotherRunsIsRefusedButOnApplyMayOpenTheNext) {
    HostMesh outer({{"Walk", 3, 1}});
    HostMesh inner({{"Run", 4, 2}});
    const meshtest::MeshImage innerBefore = imageOf(inner);
    nestedSubject = &inner;
    user.then([](Dialog& dialog) {
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        dialog.type(IDC_ANIMATION_SPEED, "8");
        dialog.click(IDOK);
    });
    WindowNode parent{nullptr};
    EXPECT_EQ(createMeshEditorDialog(&parent, &outer.mesh(), 3, meshtest::recordApply, chooseByOpeningAnotherEditor,
                                     meshtest::findMaterial),
              1);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(user.dialogsOpened(), 1);
    EXPECT_TRUE(imageOf(inner) == innerBefore);
    EXPECT_EQ(outer.mesh().fakeShadowMaterial, 1);
    EXPECT_EQ(outer.animation(0).speed, 8);
    EXPECT_EQ(hostLog().applyCalls, 1);

    user.then([](Dialog& dialog) { dialog.click(IDOK); });
    user.then([](Dialog& dialog) {
        EXPECT_EQ(dialog.listItems(IDC_ANIMATION_LIST), std::vector<std::string>{"Run"});
        dialog.type(IDC_ANIMATION_SPEED, "9");
        dialog.click(IDOK);
    });
    EXPECT_EQ(createMeshEditorDialog(&parent, &outer.mesh(), 3, applyByOpeningAnotherEditor, nullptr, nullptr), 1);
    EXPECT_EQ(nestedResult, 1);
    EXPECT_EQ(inner.animation(0).speed, 9);
    EXPECT_EQ(hostLog().applyCalls, 3);
}

// USER32 refuses an owner that is not a window before it loads the template, and answers 0, not
// -1: to the editor that is a Cancel, so it restores a mesh nobody touched and tells no one.
TEST_F(MeshEditorBadInput, AnOwnerThatIsNoWindowEndsLikeCancel) {
    HostMesh host({{"Walk", 3, 1}, {"Idle", 5, 0}});
    const meshtest::MeshImage before = imageOf(host);
    WindowNode parent{reinterpret_cast<HWND>(0x1234)};
    EXPECT_EQ(createMeshEditorDialog(&parent, &host.mesh(), 9, meshtest::recordApply, meshtest::answerChooser,
                                     meshtest::findMaterial),
              0);
    EXPECT_EQ(user.dialogsOpened(), 0);
    EXPECT_EQ(hostLog().applyCalls, 0);
    EXPECT_TRUE(hostLog().lookupArguments.empty());
    EXPECT_TRUE(imageOf(host) == before);
    user.then([](Dialog& dialog) { dialog.click(IDOK); });  // and the editor runs normally again
    EXPECT_EQ(runEditor(host), 1);
}

#ifndef _WIN32
// The headless manager fails a modal dialog that no user is attached to answer, as USER32 fails a
// dialog it cannot create (-1). The editor takes -1 as it takes OK: the host is told, and the
// mesh, which no dialog touched, keeps its values.
TEST(MeshEditorWithoutDialog, ADialogThatCannotBeCreatedIsReportedAndChangesNothing) {
    meshtest::resetHostLog();
    HostMesh host({{"Walk", 3, 1}});
    const meshtest::MeshImage before = imageOf(host);
    EXPECT_EQ(runEditor(host, 11), -1);
    EXPECT_EQ(hostLog().applyCalls, 1);
    EXPECT_EQ(hostLog().applyText, nullptr);
    EXPECT_EQ(hostLog().applyTag, 11);
    EXPECT_TRUE(imageOf(host) == before);
}
#endif

}  // namespace
