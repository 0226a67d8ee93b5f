// Class identifiers and the registration store.
#include "platform/olectl.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

TEST(Guids, TextRoundTripAndBadTexts)
{
    GUID g{0x0BE35201, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};
    EXPECT_EQ(GuidToString(g), "{0BE35201-8F91-11CE-9DE3-00AA004BB851}");
    GUID back{};
    ASSERT_TRUE(GuidFromString("{0be35201-8f91-11ce-9de3-00aa004bb851}", &back));
    EXPECT_TRUE(back == g);
    for (const char* bad : {"", "{0BE35201-8F91-11CE-9DE3-00AA004BB85}", "0BE35201-8F91-11CE-9DE3-00AA004BB851",
                            "{0BE35201-8F91-11CE-9DE3-00AA004BB851}x", "{XBE35201-8F91-11CE-9DE3-00AA004BB851}",
                            "{0BE35201-8F91-11CE-9DE3-00AA004BB8+1}", "{0BE35201-8F91-11CE-9DE3-00AA004BB8 1}",
                            "{0BE35201-8F91-11CE-+DE3-00AA004BB851}"})
        EXPECT_FALSE(GuidFromString(bad, &back)) << bad;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-store-XXXXXX";
        folder = mkdtemp(pattern);
        path = folder + "/sub/registry.txt";
        setenv("NIMBO_REGISTRY", path.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("NIMBO_REGISTRY");
        std::filesystem::remove_all(folder);
    }
    std::string folder, path;
};

TEST_F(StoreTest, EntriesAreFoundByEveryNameAndReplacedByIdentifier)
{
    EXPECT_EQ(nimbo::RegistrationStore::LookupPath(), path);
    auto store = nimbo::RegistrationStore::Open();
    EXPECT_TRUE(store.Classes().empty()) << "a missing store is an empty one";
    nimbo::RegisteredClass c{"{6A1C2E41-3B7D-4E21-9C11-4F2A61800102}", nimbo::ClassKind::Control,
                             "NIMBO.NimboCtrl.1", "NIMBOLib.Nimbo", "Zem Nimbo V1.00", "/lib/a.so"};
    store.Put(c);
    c.typeName = "again";
    store.Put(c);
    store.Put({"{00000000-0000-0000-0000-000000000001}", nimbo::ClassKind::PropertyPage, "X.Page.1", "X.Page.1",
               "", "/lib/b.so"});
    std::string error;
    ASSERT_TRUE(store.Save(&error)) << error;

    auto reread = nimbo::RegistrationStore::Open();
    ASSERT_EQ(reread.Classes().size(), 2u);
    for (const char* name : {"NIMBO.NimboCtrl.1", "nimbolib.nimbo", "{6A1C2E41-3B7D-4E21-9C11-4F2A61800102}"})
        ASSERT_NE(reread.Find(name), nullptr) << name;
    EXPECT_EQ(reread.Find("NIMBO.NimboCtrl.1")->typeName, "again");
    EXPECT_EQ(reread.Find("X.Page.1")->kind, nimbo::ClassKind::PropertyPage);
    reread.RemoveLibrary("/lib/a.so");
    EXPECT_EQ(reread.Find("NIMBOLib.Nimbo"), nullptr);
}

TEST_F(StoreTest, UnknownClassesAndBrokenEntriesSayWhy)
{
    std::filesystem::create_directories(folder + "/sub");
    std::ofstream(path) << "control\tnot-a-guid\tBAD.Ctrl.1\tBADLib.Bad\tBad\t/lib/bad.so\n"
                        << "control\t{00000000-0000-0000-0000-000000000002}\tGONE.Ctrl.1\tGONELib.Gone\tGone\t/no/such/lib.so\n"
                        << "a line that is not an entry\n";
    std::string error;
    EXPECT_EQ(nimbo::CreateControl("NOPE.Ctrl.1", &error), nullptr);
    EXPECT_NE(error.find("class not registered: NOPE.Ctrl.1"), std::string::npos) << error;
    EXPECT_EQ(nimbo::CreateControl("BAD.Ctrl.1", &error), nullptr);
    EXPECT_NE(error.find("bad class identifier"), std::string::npos) << error;
    EXPECT_EQ(nimbo::CreateControl("GONELib.Gone", &error), nullptr);
    EXPECT_NE(error.find("cannot load /no/such/lib.so"), std::string::npos) << error;
}

TEST_F(StoreTest, AnEntryWithAnEmptyLastFieldSurvivesASaveAndReopen)
{
    auto store = nimbo::RegistrationStore::Open();
    store.Put({"{00000000-0000-0000-0000-000000000003}", nimbo::ClassKind::Control, "E.Ctrl.1", "ELib.E", "E", ""});
    std::string error;
    ASSERT_TRUE(store.Save(&error)) << error;
    auto reread = nimbo::RegistrationStore::Open();
    ASSERT_NE(reread.Find("E.Ctrl.1"), nullptr);
    EXPECT_EQ(reread.Find("E.Ctrl.1")->library, "");
}

TEST_F(StoreTest, LibrariesInTheStoresTreeAreFoundWhereverTheTreeIsMoved)
{
    auto store = nimbo::RegistrationStore::Open();
    const std::string inTree = store.StoredName(folder + "/lib/libx.so");
    EXPECT_EQ(inTree, "../lib/libx.so");
    EXPECT_EQ(store.StoredName("/usr/lib/elsewhere.so"), "/usr/lib/elsewhere.so") << "outside the tree: kept whole";
    store.Put({"{00000000-0000-0000-0000-000000000004}", nimbo::ClassKind::Control, "M.Ctrl.1", "MLib.M", "M", inTree});
    std::string error;
    ASSERT_TRUE(store.Save(&error)) << error;

    const std::string moved = folder + "/moved";
    std::filesystem::create_directories(moved);
    std::filesystem::rename(folder + "/sub", moved + "/sub");
    setenv("NIMBO_REGISTRY", (moved + "/sub/registry.txt").c_str(), 1);
    auto reread = nimbo::RegistrationStore::Open();
    ASSERT_NE(reread.Find("M.Ctrl.1"), nullptr);
    EXPECT_EQ(reread.LibraryLocation(*reread.Find("M.Ctrl.1")), moved + "/lib/libx.so");
    EXPECT_EQ(nimbo::CreateControl("M.Ctrl.1", &error), nullptr);
    EXPECT_NE(error.find("cannot load " + moved + "/lib/libx.so"), std::string::npos) << error;
    reread.RemoveLibrary(moved + "/lib/libx.so");
    EXPECT_EQ(reread.Find("M.Ctrl.1"), nullptr) << "removed by its location, whatever the entry spells";
}
