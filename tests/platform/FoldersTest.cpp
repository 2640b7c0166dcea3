#include "platform/Folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::test::ScopedEnv;
using solune::test::TempDir;
using solune::test::WriteText;

TEST(EnsureFolder, CreatesEveryFolderOfAFilePath) {
    TempDir dir;
    solune::EnsureFolder(dir / "a/b/c/file.profile");
    EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
    EXPECT_FALSE(fs::exists(dir / "a/b/c/file.profile"));
}

TEST(EnsureFolder, TakesALastPartWithADotForAFileName) {
    TempDir dir;
    solune::EnsureFolder(dir / "a/old.data");
    EXPECT_TRUE(fs::is_directory(dir / "a"));
    EXPECT_FALSE(fs::exists(dir / "a/old.data"));
}

TEST(EnsureFolder, CreatesAFolderPathWithoutADot) {
    TempDir dir;
    solune::EnsureFolder(dir / "x/y/Macro");
    EXPECT_TRUE(fs::is_directory(dir / "x/y/Macro"));
}

TEST(EnsureFolder, LeavesAnExistingPathAlone) {
    TempDir dir;
    WriteText(dir / "plain", "keep");
    solune::EnsureFolder(dir / "plain");
    EXPECT_TRUE(fs::is_regular_file(dir / "plain"));
}

TEST(ClearFolder, EmptiesTheFolderAndKeepsIt) {
    TempDir dir;
    fs::create_directories(dir / "box/sub");
    WriteText(dir / "box/one", "1");
    WriteText(dir / "box/two", "2");
    WriteText(dir / "box/sub/three", "3");
    solune::ClearFolder(dir / "box");
    EXPECT_TRUE(fs::is_directory(dir / "box"));
    EXPECT_TRUE(fs::is_empty(dir / "box"));
}

TEST(ClearFolder, RemovesLinksButNothingTheyPointTo) {
    TempDir dir;
    fs::create_directories(dir / "box");
    fs::create_directories(dir / "outside");
    WriteText(dir / "outside/precious", "keep");
    fs::create_directory_symlink(dir / "outside", dir / "box/folder-link");
    fs::create_symlink(dir / "outside/precious", dir / "box/file-link");
    solune::ClearFolder(dir / "box");
    EXPECT_TRUE(fs::is_empty(dir / "box"));
    EXPECT_TRUE(fs::is_regular_file(dir / "outside/precious"));
}

TEST(ClearFolder, DoesNotClearThroughALinkedFolder) {
    TempDir dir;
    fs::create_directories(dir / "outside");
    WriteText(dir / "outside/precious", "keep");
    fs::create_directory_symlink(dir / "outside", dir / "link");
    solune::ClearFolder(dir / "link");
    EXPECT_TRUE(fs::is_regular_file(dir / "outside/precious"));
}

TEST(DeleteFolderTree, RemovesTheFolderWithEverythingInside) {
    TempDir dir;
    fs::create_directories(dir / "tree/a/b");
    WriteText(dir / "tree/a/b/leaf", "x");
    solune::DeleteFolderTree(dir / "tree");
    EXPECT_FALSE(fs::exists(dir / "tree"));
}

TEST(DeleteFolderTree, RemovesOnlyTheLinkWhenGivenALink) {
    TempDir dir;
    fs::create_directories(dir / "outside");
    WriteText(dir / "outside/precious", "keep");
    fs::create_directory_symlink(dir / "outside", dir / "link");
    solune::DeleteFolderTree(dir / "link");
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "link")));
    EXPECT_TRUE(fs::is_regular_file(dir / "outside/precious"));
}

TEST(UserDataFolder, FollowsXdgConfigHomeThenHome) {
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/config/");
        EXPECT_EQ(solune::UserDataFolder(), fs::path("/xdg/config"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
        ScopedEnv home("HOME", "/home/tester");
        EXPECT_EQ(solune::UserDataFolder(), fs::path("/home/tester/.config"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        ScopedEnv home("HOME", "/home/other");
        EXPECT_EQ(solune::UserDataFolder(), fs::path("/home/other/.config"));
    }
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable) {
    const fs::path folder = solune::ProgramFolder();
    EXPECT_TRUE(fs::exists(folder / "platform_tests"));
    EXPECT_NE(folder.string().back(), '/');
}
