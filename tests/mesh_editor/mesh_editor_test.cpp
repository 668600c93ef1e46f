// The mesh editor as a user drives it, over a stand-in host: what the dialog shows, what each
// control changes, what OK and Cancel leave in the host's mesh, and the entry's answers to bad
// input from its host. Meshes sit on the heap at their exact size, so the sanitizers see any read
// past a record.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

using scripted::Dialog;

// Copies `text` into a host name array, without a NUL when it fills the array.
void setName(char* name, size_t capacity, const std::string& text) {
    std::memset(name, 0, capacity);
    std::memcpy(name, text.data(), text.size() < capacity ? text.size() : capacity);
}

struct AnimationSetup { std::string name; int32_t speed; uint32_t flags; };

// A host mesh with its animation array, both owned here; host fields hold recognisable values.
class HostMesh {
public:
    explicit HostMesh(const std::vector<AnimationSetup>& setups = {})
        : mesh_(new Mesh{}), animations_(new MeshAnimation[setups.size()]{}), count_(setups.size()) {
        for (uint32_t i = 0; i < count_; ++i) {
            const AnimationSetup& setup = setups[i];
            animations_[i] = MeshAnimation{setup.flags, 0xA0u + i, setup.speed, {0xB0u + i, 1, 2, 3}, {4, 5}, {}};
            setName(animations_[i].name, sizeof animations_[i].name, setup.name);
        }
        mesh_->animationCount = int32_t(count_);
        mesh_->animations = count_ > 0 ? animations_.get() : nullptr;
        for (uint32_t j = 0; j < 8; ++j) mesh_->hostData[j] = 0xD0u + j;
        setName(mesh_->name, sizeof mesh_->name, "test mesh");
    }
    Mesh& mesh() { return *mesh_; }

    // Every byte of the Mesh record and of each animation record, names and trailing fields too.
    std::vector<unsigned char> image() const {
        auto mesh = reinterpret_cast<const unsigned char*>(mesh_.get());
        auto animations = reinterpret_cast<const unsigned char*>(animations_.get());
        std::vector<unsigned char> bytes(mesh, mesh + sizeof(Mesh));
        bytes.insert(bytes.end(), animations, animations + count_ * sizeof(MeshAnimation));
        return bytes;
    }

private:
    std::unique_ptr<Mesh> mesh_;
    std::unique_ptr<MeshAnimation[]> animations_;
    size_t count_;
};

// What the host's callbacks saw, and what they answer; fresh for each test.
struct HostLog {
    int applyCalls = 0;
    short applyTag = 0;
    bool applyTextWasNull = true;
    std::vector<Material*> materials;  // looked up by id; an id out of range finds nothing
};
HostLog hostLog;

long recordApply(const char* text, short tag) {
    ++hostLog.applyCalls;
    hostLog.applyTag = tag;
    hostLog.applyTextWasNull = hostLog.applyTextWasNull && text == nullptr;
    return 99;
}

// The user picks material 77 whatever the mesh had.
long answerChooser(long) { return 77; }

Material* findMaterial(short id) {
    return id >= 0 && size_t(id) < hostLog.materials.size() ? hostLog.materials[size_t(id)] : nullptr;
}

// A material on the heap at its exact size, named `name` (cut to the array, no NUL if it fills it).
std::unique_ptr<Material> makeMaterial(const std::string& name) {
    std::unique_ptr<Material> material(new Material{});
    setName(material->name, sizeof material->name, name);
    return material;
}

// Runs the editor on `host` with the recording callbacks, owned by `owner`.
long runEditor(HostMesh& host, short tag = 7, HWND owner = nullptr) {
    WindowNode parent{owner};
    return createMeshEditorDialog(&parent, &host.mesh(), tag, recordApply, answerChooser, findMaterial);
}

// A fresh host log and a scripted user for each test.
class MeshEditor : public ::testing::Test {
protected:
    void SetUp() override { hostLog = HostLog{}; }
    scripted::User user;
};
using MeshEditorBadInput = MeshEditor;

// LODs show as whole numbers, cut toward zero and stopping at the ends of the 32-bit range (2^31 is
// the first float past INT32_MAX, 2147483520 the last below it), NaN as 0; the size shows in its
// short form. The digit-only LOD fields take only digits, an emptied one reads 0. OK keeps what
// the fields show. Names that fill their arrays without a NUL are shown whole and read no further
// (the animation is the last of its array).
TEST_F(MeshEditor, OpeningShowsTheMeshAndOkKeepsWhatTheFieldsShow) {
    const std::string meshName(UIRESOURCE_MESH_NAME_CAPACITY, 'm');
    const std::string animationName(UIRESOURCE_ANIMATION_NAME_CAPACITY, 'a');
    const std::string materialName(UIRESOURCE_MATERIAL_NAME_CAPACITY, 'x');
    HostMesh host({{animationName, 1, 0}});
    Mesh& mesh = host.mesh();
    mesh.MeshFlags = MESH_SHADOW_CASTER | MESH_FAKE_SHADOW_AUTO_SIZE | 0x80000001u;
    const float lods[8] = {12.7f, -3.2f, 2147483648.0f, -3e9f, INFINITY, NAN, 2147483520.0f, -0.5f};
    std::memcpy(mesh.lodRange, lods, sizeof lods);
    mesh.fakeShadowSize = 1.234567f;
    mesh.fakeShadowMaterial = 1;
    setName(mesh.name, sizeof mesh.name, meshName);
    auto material = makeMaterial(materialName);
    hostLog.materials = {nullptr, material.get()};
    user.then([&](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Edit Mesh Dialog:  " + meshName);
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), materialName);
        EXPECT_EQ(dialog.listItems(IDC_ANIMATION_LIST), std::vector<std::string>{animationName});
        const char* shown[8] = {"12", "-3", "2147483647", "-2147483648", "2147483647", "0", "2147483520", "0"};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(dialog.text(IDC_LOD_RANGE_1 + i), shown[i]) << "LOD " << i + 1;
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_SIZE), "1.2346");
        EXPECT_TRUE(dialog.checked(IDC_SHADOW_CASTER) && dialog.checked(IDC_FAKE_SHADOW_AUTO_SIZE));
        EXPECT_FALSE(dialog.checked(IDC_STATIC_SHADOWS));
        dialog.type(IDC_LOD_RANGE_3, "1a2-3");
        EXPECT_EQ(dialog.text(IDC_LOD_RANGE_3), "123");
        dialog.type(IDC_LOD_RANGE_4, "");
        dialog.pressEnter();
    });
    EXPECT_EQ(runEditor(host, 31), 1);
    const float kept[8] = {12.0f, -3.0f, 123.0f, 0.0f, 2147483648.0f, 0.0f, 2147483520.0f, 0.0f};
    EXPECT_EQ(std::memcmp(mesh.lodRange, kept, sizeof kept), 0);
    EXPECT_EQ(mesh.fakeShadowSize, 1.2346f);
    EXPECT_EQ(mesh.MeshFlags, MESH_SHADOW_CASTER | MESH_FAKE_SHADOW_AUTO_SIZE | 0x80000001u);
    EXPECT_EQ(hostLog.applyCalls, 1);
    EXPECT_TRUE(hostLog.applyTextWasNull);
    EXPECT_EQ(hostLog.applyTag, 31);
}

// Every other bit of the flags passes through. Turning one billboard box on turns the other off;
// turning one off leaves the other alone, and both bits arriving together stay so until one box
// is clicked.
TEST_F(MeshEditor, EachFlagBoxSetsAndClearsItsOwnBitAndOneBillboardExcludesTheOther) {
    const std::pair<int, uint32_t> boxes[] = {
        {IDC_SHADOW_CASTER, 0x40},          {IDC_ALPHA_BLEND_LODS, 0x80},     {IDC_COLLISION_BUFFER_ENTRY, 0x200},
        {IDC_RANDOM_PLACEMENT_ROT, 0x400},  {IDC_STATIC_SHADOWS, 0x800},      {IDC_RANDOM_BILLBOARD_3D_ROT, 0x2000},
        {IDC_SQUARE_AXIS_ALIGNED, 0x4000},  {IDC_FAKE_SHADOWS, 0x20000},      {IDC_FAKE_SHADOW_AUTO_SIZE, 0x40000},
        {IDC_BILLBOARD_2D, 0x4},            {IDC_BILLBOARD_3D, 0x10}};
    HostMesh host;
    uint32_t& flags = host.mesh().MeshFlags;
    const uint32_t hostBits = 0xFFF00000u | 0x1000u | 0x8u;
    flags = hostBits;
    user.then([&](Dialog& dialog) {
        for (const auto& [id, bit] : boxes) {
            dialog.click(id);
            EXPECT_EQ(flags, hostBits | bit) << id;
            dialog.click(id);
            EXPECT_EQ(flags, hostBits) << id;
        }
        dialog.click(IDC_BILLBOARD_2D);
        dialog.click(IDC_BILLBOARD_3D);
        EXPECT_EQ(flags, hostBits | MESH_BILLBOARD_3D);
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_2D));
        dialog.click(IDC_BILLBOARD_2D);
        EXPECT_EQ(flags, hostBits | MESH_BILLBOARD_2D);
        EXPECT_FALSE(dialog.checked(IDC_BILLBOARD_3D));
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    flags = MESH_BILLBOARD_2D | MESH_BILLBOARD_3D;
    user.then([](Dialog& dialog) {
        EXPECT_TRUE(dialog.checked(IDC_BILLBOARD_2D) && dialog.checked(IDC_BILLBOARD_3D));
        dialog.click(IDC_BILLBOARD_2D);
        dialog.click(IDOK);
    });
    EXPECT_EQ(runEditor(host), 1);
    EXPECT_EQ(flags, uint32_t(MESH_BILLBOARD_3D));
}

#ifdef _WIN32
const char kCommaLocale[] = "German_Germany.1252";
#else
const char kCommaLocale[] = "de_DE.UTF-8";  // from Debian's locales-all, which the test command installs
#endif

// The size shows five significant digits, keeping the point, with a three-digit exponent beyond
// them; typed text, up to 31 characters, is read as strtod reads it in the C locale. Both hold in
// the comma locale a host calling setlocale(LC_ALL, "") may set.
TEST_F(MeshEditor, TheSizeIsShownInShortFormAndReadAsTheCLocaleReadsIt) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr) << kCommaLocale;
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    const struct {
        float size;
        const char* shown;
    } shownCases[] = {{0.0f, "0."}, {2.0f, "2."}, {12345.6f, "12346."}, {99999.4f, "99999."}, {0.123456f, "0.12346"},
                      {123456.0f, "1.2346e+005"}, {0.00012345f, "1.2345e-004"}, {0.01f, "1.e-002"},
                      {FLT_MAX, "3.4028e+038"}, {9.99996f, "10."}, {99999.5f, "1.e+005"}, {0.0999996f, "0.1"},
                      {-1.234567f, "-1.2346"}, {-0.0f, "-0."}, {-INFINITY, "-inf"}, {NAN, "nan"}};
    HostMesh host;
    for (const auto& each : shownCases) {
        host.mesh().fakeShadowSize = each.size;
        user.then([&each](Dialog& dialog) {
            EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_SIZE), each.shown) << each.size;
            dialog.click(IDCANCEL);
        });
        EXPECT_EQ(runEditor(host), 0);
    }
    const struct {
        const char* typed;
        float read;
    } readCases[] = {{"2.5", 2.5f}, {"  -2.5e1xyz", -25.0f}, {"+.5", 0.5f}, {"1,5", 1.0f}, {"0x1.8p1", 3.0f},
                     {"abc", 0.0f}, {"+-3", 0.0f}, {"7e+", 7.0f}, {"1e400", INFINITY}, {"-1e-400", -0.0f},
                     {"1234567890123456789012345678901999", 1234567890123456789012345678901.0f}};
    user.then([&](Dialog& dialog) {
        for (const auto& each : readCases) {
            dialog.type(IDC_FAKE_SHADOW_SIZE, each.typed);
            EXPECT_EQ(host.mesh().fakeShadowSize, each.read) << '"' << each.typed << '"';
            EXPECT_EQ(std::signbit(host.mesh().fakeShadowSize), std::signbit(each.read)) << '"' << each.typed << '"';
        }
        dialog.click(IDCANCEL);
    });
    EXPECT_EQ(runEditor(host), 0);
    std::setlocale(LC_ALL, previous.c_str());
}

// Also without usable animations (none, a negative count, a count with a null array) the panel
// is empty, and its edits, with no record to go to, store nothing the snapshot would not restore.
TEST_F(MeshEditor, CancelEscapeAndTheCloseBoxRestoreEveryByteIncludingTheChosenMaterial) {
    using Ending = void (*)(Dialog&);
    const Ending cancel = [](Dialog& d) { d.click(IDCANCEL); };
    const Ending endings[] = {cancel, [](Dialog& d) { d.pressEscape(); }, [](Dialog& d) { d.closeBox(); }};
    for (int run = 0; run < 6; ++run) {  // 0 to 2 end each way; 3 to 5 have no usable animations
        HostMesh host = run != 4 ? HostMesh({{"Walk", 30, 1}, {"Idle", 12, 0}, {"Run", 45, 0}}) : HostMesh();
        if (run == 3) host.mesh().animationCount = -2;
        if (run == 5) host.mesh().animations = nullptr;
        host.mesh().MeshFlags = MESH_BILLBOARD_2D | 0x01000000u;
        host.mesh().lodRange[0] = 12.7f;
        host.mesh().fakeShadowSize = 1.234567f;
        const auto before = host.image();
        user.then([&](Dialog& dialog) {
            EXPECT_EQ(dialog.listItems(IDC_ANIMATION_LIST).size(), run < 3 ? 3u : 0u) << run;
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
            (run < 3 ? endings[run] : cancel)(dialog);
        });
        EXPECT_EQ(runEditor(host), 0);
        EXPECT_TRUE(host.image() == before) << run;
        EXPECT_EQ(hostLog.applyCalls, 0);
    }
}

// A null mesh is refused at once. USER32 refuses an owner that is not a window before it loads
// the template, and answers 0, not -1: to the editor that is a Cancel, so it restores a mesh
// nobody touched and tells no one. Without a chooser the material button keeps the id; without a
// lookup the name shows "N/A" (what the callbacks get and answer: tests/scenarios/library_dialogs.scn).
TEST_F(MeshEditorBadInput, ANullMeshOrOwnerThatIsNoWindowOpensNothingAndNullCallbacksAreSkipped) {
    WindowNode parent{nullptr};
    EXPECT_EQ(createMeshEditorDialog(&parent, nullptr, 1, recordApply, nullptr, nullptr), 0);
    HostMesh host({{"Walk", 3, 1}, {"Idle", 5, 0}});
    const auto before = host.image();
    EXPECT_EQ(runEditor(host, 9, reinterpret_cast<HWND>(0x1234)), 0);
    EXPECT_EQ(user.dialogsOpened(), 0);
    EXPECT_EQ(hostLog.applyCalls, 0);
    EXPECT_TRUE(host.image() == before);
    user.then([](Dialog& dialog) {
        dialog.click(IDC_FAKE_SHADOW_MATERIAL_BUTTON);
        EXPECT_EQ(dialog.text(IDC_FAKE_SHADOW_MATERIAL_NAME), "N/A");
        dialog.click(IDOK);
    });
    EXPECT_EQ(createMeshEditorDialog(&parent, &host.mesh(), 0, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(host.image(), before);
}

#ifndef _WIN32
// The headless manager fails a modal dialog that no user is attached to answer, as USER32 fails a
// dialog it cannot create (-1). The editor takes -1 as it takes OK: the host is told, and the
// mesh, which no dialog touched, keeps its values.
TEST(MeshEditorWithoutDialog, ADialogThatCannotBeCreatedIsReportedAndChangesNothing) {
    hostLog = HostLog{};
    HostMesh host({{"Walk", 3, 1}});
    const auto before = host.image();
    EXPECT_EQ(runEditor(host, 11), -1);
    EXPECT_EQ(hostLog.applyCalls, 1);
    EXPECT_TRUE(hostLog.applyTextWasNull);
    EXPECT_EQ(hostLog.applyTag, 11);
    EXPECT_TRUE(host.image() == before);
}
#endif

}  // namespace
