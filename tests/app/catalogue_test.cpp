#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "app/start_up.h"
#include "engine/main_loop.h"
#include "tests/app/test_support.h"

namespace {

#ifdef __SANITIZE_ADDRESS__
// The sanitizers seek memory faults: one painting of each picture shows them.
constexpr bool paintTwice = false;
#else
constexpr bool paintTwice = true;
#endif

struct CatalogueTest : ::testing::Test {
    void SetUp() override
    {
        resetEngineForTests();
        headlessReset();
        configureProgram();
        takeBuiltinImageList(listBuiltinImages);
        platformOpenWindow(PlatformWindowConfig{});
    }
    void TearDown() override { resetEngineForTests(); }
};

TEST_F(CatalogueTest, BuiltinPicturesPaintLoadWithProgressAndRepaintInPlaceAndTheListFileIsRead)
{
    std::strcpy(loadingText, "loading..");
    ASSERT_TRUE(bringUpDisplay(false));
    EXPECT_EQ(imageCatalogue.images.size(), builtinImageTable.size());
    const std::set<std::string> sprites = {"normalStar", "goldenStar", "darkStar", "incArrow",
                                           "decArrow",   "selectionArrow", "bullet"};
    const std::set<std::string> backdrops = {"title", "mainMenu", "background", "bigbar"};
    // Loaded at the listed size, painted alike each time with more than a few
    // colours; sprites have transparent corners and backdrops no holes.
    for (const BuiltinImage& b : builtinImageTable) {
        EXPECT_EQ(std::pair(imageWidth(b.name), imageHeight(b.name)), std::pair(b.width, b.height)) << b.name;
        Image im, again;
        ASSERT_TRUE(paintBuiltinPicture(std::stoi(b.resourceId), im)) << b.name;
        if (paintTwice) paintBuiltinPicture(std::stoi(b.resourceId), again);
        EXPECT_TRUE(!paintTwice || im.pixels == again.pixels) << b.name;
        EXPECT_GT(std::set<uint32_t>(im.pixels.begin(), im.pixels.end()).size(), 8u) << b.name;
        const uint32_t corners = im.at(0, 0) | im.at(im.width - 1, 0) | im.at(0, im.height - 1) |
                                 im.at(im.width - 1, im.height - 1);
        // A black pixel in the middle would be a hole in the picture.
        const bool holed = sprites.count(b.name) ? corners != 0 || im.at(im.width / 2, im.height / 2) == 0
                                                 : backdrops.count(b.name) && std::count(im.pixels.begin(), im.pixels.end(), 0u);
        EXPECT_FALSE(holed) << b.name;
    }
    Image unknown, icon;
    EXPECT_FALSE(paintBuiltinPicture(152, unknown) || paintBuiltinPicture(0, unknown));
    paintWindowIcon(icon);
    EXPECT_EQ(icon.at(0, 0), 0u);
    // The progress text was shown before every second of the 28 pictures: 14
    // times, the last time with 22 characters, and it is one longer now.
    EXPECT_EQ(std::tuple(headlessPresentCount(), std::strlen(loadingText)), std::tuple(14, 23u));

    // A second bring-up goes on from there: 23, 24, 25, then "loading.." again.
    ASSERT_TRUE(bringUpDisplay(false));
    EXPECT_EQ(std::tuple(headlessPresentCount(), std::strlen(loadingText), imageCatalogue.images.size()),
              std::tuple(28, 20u, 28u));

    // Restoring after a loss repaints every picture where it was.
    Surface* before = findImage("title");
    ASSERT_NE(before, nullptr);
    const Image painted = before->image;
    before->image.pixels.assign(before->image.pixels.size(), 0x123456);
    EXPECT_EQ(restoreAll(), 0);
    EXPECT_EQ(findImage("title"), before);
    EXPECT_EQ(before->image.pixels, painted.pixels);

    // A later entry of the same name wins; a missing source fails the loading.
    openTestDisplay();
    setEntries({{"star", "168"}, {"star", "170"}});
    EXPECT_TRUE(loadAllImages());
    EXPECT_EQ(std::tuple(imageWidth("star"), imageCatalogue.images.size()), std::tuple(50, 1u)); // 170: a dark star

    setEntries({{"ok", "168"}, {"missing", "no such picture.bmp"}});
    EXPECT_THAT([] { loadAllImages(); }, ::testing::ThrowsMessage<ImageLoadError>(
                                             ::testing::StrEq("Could not create surface from no such picture.bmp")));
    setEntries({});
    EXPECT_FALSE(loadAllImages());
}

} // namespace
