#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/OptionIO.h"
#include "settings/OptionPage1.h"
#include "settings/OptionPage2.h"
#include "settings/OptionPage3.h"
#include "settings/OptionPage4.h"
#include "settings/OptionPage5.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

struct Expected {
    const char* name;
    int value;
};

// Every group as it must appear in the settings file: key, default, in order.
const std::vector<Expected> kNode = {
    {"node coordinate show", 1}, {"node coordinate red", 0}, {"node coordinate green", 255},
    {"node coordinate blue", 0}, {"node number show", 1}, {"node number red", 0},
    {"node number green", 255}, {"node number blue", 0}, {"node displacement show", 1},
    {"node displacement red", 225}, {"node displacement green", 225},
    {"node displacement blue", 225}, {"disp number show", 1}, {"disp number red", 0},
    {"disp number green", 255}, {"dsip number blue", 0}, {"node factor", 6},
    {"disp factor", 1}, {"boundary show", 1}};
const std::vector<Expected> kMember = {
    {"member plan show", 1}, {"member plan red", 1}, {"member plan green", 1},
    {"member plan blue", 1}, {"member line show", 1}, {"member line red", 0},
    {"member line green", 255}, {"member line blue", 255}, {"member number show", 1},
    {"member number red", 0}, {"member number green", 255}, {"member number blue", 255},
    {"member displacement show", 1}, {"member displacement red", 192},
    {"member displacement green", 192}, {"member displacement blue", 192},
    {"member K point show", 1}, {"member local axis 1", 1}, {"member local axis 2", 1},
    {"member local axis 3", 1}, {"member local axis ID", 1}};
const std::vector<Expected> kLoad = {
    {"Fx line show", 1}, {"Fy line show", 1}, {"Fz line show", 1}, {"Mx line show", 1},
    {"My line show", 1}, {"Mz line show", 1}, {"load number show", 1},
    {"Fx red", 255}, {"Fx green", 0}, {"Fx blue", 0}, {"Fy red", 0}, {"Fy green", 255},
    {"Fy blue", 0}, {"Fz red", 0}, {"Fz green", 0}, {"Fz blue", 255}, {"Mx red", 255},
    {"Mx green", 0}, {"Mx blue", 0}, {"My red", 0}, {"My green", 255}, {"My blue", 0},
    {"Mz red", 0}, {"Mz green", 0}, {"Mz blue", 255}, {"load scale", 1}};
const std::vector<Expected> kForce = {
    {"Member Fx show", 1}, {"Member Fy show", 1}, {"Member Fz show", 1},
    {"Member Mx show", 1}, {"Member My show", 1}, {"Member Mz show", 1},
    {"Member Fx red", 255}, {"Member Fx green", 0}, {"Member Fx blue", 0},
    {"Member Fy red", 0}, {"Member Fy green", 255}, {"Member Fy blue", 0},
    {"Member Fz red", 0}, {"Member Fz green", 0}, {"Member Fz blue", 255},
    {"Member Mx red", 255}, {"Member Mx green", 0}, {"Member Mx blue", 0},
    {"Member My red", 0}, {"Member My green", 255}, {"Member My blue", 0},
    {"Member Mz red", 0}, {"Member Mz green", 0}, {"Member Mz blue", 255},
    {"Member Fx scale", 1}, {"Member Fy scale", 1}, {"Member Fz scale", 1},
    {"Member Mx scale", 1}, {"Member My scale", 1}, {"Member Mz scale", 1},
    {"Subdivisions Fx", 20}, {"Subdivisions Fy", 20}, {"Subdivisions Fz", 20},
    {"Subdivisions Mx", 20}, {"Subdivisions My", 20}, {"Subdivisions Mz", 20}};
const std::vector<Expected> kView = {
    {"grid show", 1}, {"axis show", 1}, {"grid red", 141}, {"grid green", 141},
    {"grid blue", 141}, {"screen red", 0}, {"screen green", 0}, {"screen blue", 0},
    {"scale along X", 1}, {"scale along Y", 1}, {"scale along Z", 1},
    {"grid sub divisions X", 20}, {"grid sub divisions Z", 20}, {"Translate along X", 1},
    {"Translate along Y", 1}, {"Translate along Z", 1}, {"Rotate about X", 1},
    {"Rotate about Y", 1}, {"Rotate about Z", 1}};

std::string Section(const std::vector<Expected>& keys,
                    const std::vector<int>& values = std::vector<int>())
{
    std::string text = "[OPTION]\n";
    for (size_t i = 0; i < keys.size(); ++i)
        text += std::string(keys[i].name) + "=" +
                std::to_string(values.empty() ? keys[i].value : values[i]) + "\n";
    return text;
}

template <class Page>
int ValueOf(const Page& page, const OptionKey<Page>& key)
{
    return key.kind == OptionKind::Real ? static_cast<int>(page.*(key.real)) : page.*(key.value);
}

template <class Page>
void CheckGroup(const std::vector<Expected>& expected)
{
    SCOPED_TRACE(expected.front().name);
    const auto& keys = Page::Keys();
    ASSERT_EQ(keys.size(), expected.size());

    // Table: exact names and defaults, in file order.
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_STREQ(keys[i].name, expected[i].name);
        EXPECT_EQ(keys[i].defaultValue, expected[i].value) << expected[i].name;
    }

    {   // Defaults from a file that has no section "OPTION".
        TempDir dir;
        TempDir::Write(dir.Ini(), "[KESTRA ]\nNode =3\n");
        Page page;
        for (const auto& k : keys)   // spoil every member, then read
            if (k.kind == OptionKind::Real) page.*(k.real) = -9; else page.*(k.value) = -9;
        page.LoadLibraryA();
        for (size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(ValueOf(page, keys[i]), expected[i].value) << expected[i].name;

        // Writing stores every key, in order, as "%d", after the other section.
        page.WriteSettings();
        EXPECT_EQ(TempDir::Read(dir.Ini()), "[KESTRA ]\nNode =3\n" + Section(expected));
    }
    {   // A hand-edited file: keys out of order, other case, junk values.
        TempDir dir;
        std::string text = "[option]\n";
        for (size_t i = keys.size(); i-- > 0;)
            text += std::string(expected[i].name) + "=" + (i == 0 ? "abc" : "-4") + "\n";
        TempDir::Write(dir.Ini(), text);
        Page page;
        page.LoadLibraryA();
        EXPECT_EQ(ValueOf(page, keys[0]), 0);   // not a number: 0, not the default
        for (size_t i = 1; i < keys.size(); ++i)
            EXPECT_EQ(ValueOf(page, keys[i]), keys[i].kind == OptionKind::Real ? 0 : -4)
                << expected[i].name;
    }
}

} // namespace

TEST(OptionPages, NodeGroup) { CheckGroup<COptionPage1>(kNode); }
TEST(OptionPages, MemberGroup) { CheckGroup<COptionPage2>(kMember); }
TEST(OptionPages, LoadGroup) { CheckGroup<COptionPage3>(kLoad); }
TEST(OptionPages, ForceGroup) { CheckGroup<COptionPage4>(kForce); }
TEST(OptionPages, ViewGroup) { CheckGroup<COptionPage5>(kView); }

// The members the view reads, against their keys (the blue key is spelt "dsip").
TEST(OptionPages, NamedMembersMatchTheirKeys)
{
    TempDir dir;
    TempDir::Write(dir.Ini(), "[OPTION]\ndsip number blue=77\nmember K point show=0\n"
                              "Mz blue=12\nSubdivisions My=8\nRotate about Y=15\n"
                              "disp number blue=5\nload scale=3000000000\n");
    COptionPage1 node;
    COptionPage2 member;
    COptionPage3 load;
    COptionPage4 force;
    COptionPage5 view;
    node.LoadLibraryA();
    member.LoadLibraryA();
    load.LoadLibraryA();
    force.LoadLibraryA();
    view.LoadLibraryA();
    EXPECT_EQ(node.m_dispNumberBlue, 77);
    EXPECT_EQ(member.m_memberKPointShow, 0);
    EXPECT_EQ(load.m_mzBlue, 12);
    EXPECT_DOUBLE_EQ(load.m_loadScale, 3000000000.0); // beyond int, held exactly
    EXPECT_EQ(force.m_subdivisionsMy, 8);
    EXPECT_EQ(force.m_subdivisionsMz, 20);
    EXPECT_EQ(view.m_rotateAboutY, 15);
}
