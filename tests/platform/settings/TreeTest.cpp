#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/settings/Tree.h"

namespace {

using settings::Tree;

TEST(Tree, NormalizesKeyPaths) {
    EXPECT_EQ(Tree::NormalizeKey("/a//b/"), "a/b");
    EXPECT_EQ(Tree::NormalizeKey("///"), "");
    EXPECT_THROW(Tree::CheckedKey("//"), std::invalid_argument);
}

TEST(Tree, KeysAndNamesIgnoreCaseAndKeepTheFirstSpelling) {
    Tree tree;
    tree.Set("Ventrelle/StartUp", "Reader", "JFW");
    tree.Set("ventrelle/startup", "READER", "WE");
    ASSERT_NE(tree.Find("VENTRELLE/StartUp", "reader"), nullptr);
    EXPECT_EQ(*tree.Find("VENTRELLE/StartUp", "reader"), "WE");
    ASSERT_EQ(tree.Keys().size(), 1u);
    EXPECT_EQ(tree.Keys().begin()->first, "Ventrelle/StartUp");
    EXPECT_EQ(tree.Keys().begin()->second.begin()->first, "Reader");
}

TEST(Tree, TheEmptyNameIsTheDefaultValue) {
    Tree tree;
    tree.Set("Classes/A", "", "default");
    tree.Set("Classes/A", "Other", "x");
    EXPECT_EQ(*tree.Find("Classes/A", ""), "default");
    EXPECT_EQ(tree.Find("Classes/B", ""), nullptr);
}

TEST(Tree, SubKeysListDirectChildrenIncludingImpliedOnes) {
    Tree tree;
    tree.Set("Classes/CLSID/{1}/InprocServer32", "", "lib");
    tree.Set("Classes/CLSID/{2}", "", "two");
    tree.Set("Classes/SONIVEL.SonivelCtrl/CLSID", "", "{1}");
    tree.Set("ClassesOther", "", "not a child");
    EXPECT_EQ(tree.SubKeys("Classes"), (std::vector<std::string>{"CLSID", "SONIVEL.SonivelCtrl"}));
    EXPECT_EQ(tree.SubKeys("classes/clsid"), (std::vector<std::string>{"{1}", "{2}"}));
    EXPECT_EQ(tree.SubKeys(""), (std::vector<std::string>{"Classes", "ClassesOther"}));
    EXPECT_TRUE(tree.SubKeys("Classes/CLSID/{2}").empty());
    EXPECT_TRUE(tree.SubKeys("Missing").empty());
}

TEST(Tree, DeleteTreeRemovesTheKeyAndItsDescendantsOnly) {
    Tree tree;
    tree.Set("A/B", "v", "1");
    tree.Set("A/B/C/D", "v", "2");
    tree.Set("A/BC", "v", "3");
    tree.Set("A", "v", "4");
    EXPECT_TRUE(tree.DeleteTree("a/b"));
    EXPECT_EQ(tree.Find("A/B", "v"), nullptr);
    EXPECT_EQ(tree.Find("A/B/C/D", "v"), nullptr);
    EXPECT_EQ(*tree.Find("A/BC", "v"), "3");
    EXPECT_EQ(*tree.Find("A", "v"), "4");
    EXPECT_FALSE(tree.DeleteTree("A/B"));
}

}  // namespace
