// The language asked for, and English whenever no catalogue answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/locale_folder.h"
#include "engine/translate.h"
#include "screens/net_lines.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

TEST(Translations, TheLanguageAskedForElseEnglishSilently)
{
    std::error_code ec;
    const std::string built = findLocaleFolder(fs::read_symlink("/proc/self/exe", ec).parent_path().string());
    ASSERT_FALSE(built.empty());
    testing::internal::CaptureStderr();
    useLanguage("de", built);
    EXPECT_STREQ(tr("Next Turn"), "Zug beenden");
    EXPECT_STREQ(tr("a text of no catalogue"), "a text of no catalogue");
    // The network's English lines, their players' colours and all.
    EXPECT_EQ(netLineText("dark green (Ann) left the game"), "Dunkelgrün (Ann) hat das Spiel verlassen");
    EXPECT_EQ(netLineText("the host runs version 0.2"), "der Gastgeber hat Version 0.2");
    EXPECT_EQ(netLineText("listening on port 5"), "listening on port 5");
    useLanguage("xx", built);
    EXPECT_STREQ(tr("Next Turn"), "Next Turn");
    // An empty, a cut and a foreign file beside a good catalogue: the folder
    // is passed over, as gettext would read past the end of a cut file.
    ScratchFolder folder("zentory_translation_test");
    const std::string catalogue = readText(built + "/de/LC_MESSAGES/zentory.mo");
    const fs::path german = folder.dir / "locale/de/LC_MESSAGES", french = folder.dir / "locale/fr/LC_MESSAGES";
    fs::create_directories(german);
    fs::create_directories(french);
    writeText(german / "zentory.mo", catalogue);
    const std::string cut = catalogue.substr(0, catalogue.size() / 2);
    for (const std::string& broken : {std::string(), cut, std::string("not a catalogue")}) {
        writeText(french / "zentory.mo", broken);
        EXPECT_EQ(findLocaleFolder(folder.dir.string()), "") << "catalogue of " << broken.size() << " bytes";
    }
    writeText(french / "zentory.mo", catalogue);
    EXPECT_EQ(fs::path(findLocaleFolder((folder.dir / "games").string())), folder.dir / "locale");
    useLanguage("de", "");
    EXPECT_STREQ(tr("Next Turn"), "Next Turn");
    useLanguage("", built);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
