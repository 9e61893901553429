#include "SkinStyle.h"

#include "AppResources.h"

#include <gtest/gtest.h>

#include <algorithm>

class SkinStyleTest : public ::testing::TestWithParam<SkinWindow> {};

TEST_P(SkinStyleTest, EachWindowFindsItsOwnStyleAndItsImagesAreSharedBitmaps)
{
    const SkinStyle& style = SkinStyle::of(GetParam());
    EXPECT_EQ(style.window, GetParam());
    const auto ids = AppResources::bitmapIds();
    for (int image : {style.backgroundImage, style.hoverImage, style.checkedImage}) {
        if (image != 0) {
            EXPECT_NE(std::find(ids.begin(), ids.end(), image), ids.end()) << image;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, SkinStyleTest,
                         ::testing::Values(SkinWindow::MainWindow, SkinWindow::Progress, SkinWindow::KeyMapSettings,
                                           SkinWindow::BkLightSettings, SkinWindow::BkLightMultiSelect,
                                           SkinWindow::FirmwareUpdate));
