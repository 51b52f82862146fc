// The pictures: their sizes at any scale, where their drawing lies, and the build's pixels against the
// drawing they were made from.
#include "ui/artwork.h"
#include "ui/metrics.h"
#include "ui/prebuilt_artwork.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace pumpvale {
namespace {

struct ArtCase {
    const char* name;
    QPixmap (*draw)(double scale);
    QSize size; // design pixels
};
void PrintTo(const ArtCase& c, std::ostream* os) {
    *os << c.name;
}

class Artwork : public ::testing::TestWithParam<ArtCase> {};

TEST_P(Artwork, HasItsDesignSizeTimesTheScale) {
    const ArtCase& c = GetParam();
    EXPECT_EQ(c.draw(1).size(), c.size);
    EXPECT_EQ(c.draw(2).size(), c.size * 2);
}

TEST_P(Artwork, IsWhiteAtTheEdgesWithADrawingInside) {
    const QImage image = GetParam().draw(1).toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, 0).lightness(), 255) << "top edge";
    EXPECT_EQ(image.pixelColor(0, image.height() - 1).lightness(), 255) << "bottom left corner";
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    EXPECT_GT(dark, 100);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pictures, Artwork, ::testing::Values(
    ArtCase{"MainBackground", artwork::mainBackground, {670, 558}},
    ArtCase{"LargeLogo",      artwork::largeLogo,      {497, 156}},
    ArtCase{"SmallLogo",      artwork::smallLogo,      {160, 57}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ArtworkPieces, RotorStripHasItsDesignSize) {
    EXPECT_EQ(artwork::rotorStrip(1).size(), QSize(98, 405));
    EXPECT_EQ(artwork::rotorStrip(2).size(), QSize(196, 810));
}

// The main window's controls stand on its left; its rotor keeps to the right edge.
TEST(ArtworkPieces, TheBackgroundRotorKeepsToTheRightEdge) {
    const QImage image = artwork::mainBackground(1).toImage();
    int leftInk = 0;
    int rightInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++(x < image.width() * 4 / 5 ? leftInk : rightInk);
    EXPECT_EQ(leftInk, 0);
    EXPECT_GT(rightInk, 1000);
}

TEST(ArtworkPieces, TheIconComesInTheDesktopSizes) {
    const QIcon icon = artwork::windowIcon();
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(small.pixelColor(0, 0).alpha(), 0) << "rounded corner";
    EXPECT_EQ(small.pixelColor(8, 3).alpha(), 255) << "tile";
}

TEST(ArtworkPieces, ForAHighDensityScreenThePictureKeepsItsSizeOnScreen) {
    const QPixmap sharp = artwork::forScreen(artwork::smallLogo, 2);
    EXPECT_EQ(sharp.devicePixelRatio(), 2);
    EXPECT_EQ(sharp.size(), QSize(400, 142)); // 160 x 57 design pixels x 1.25 x 2, rounded down
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(200, 71));
}

// The largest difference in any colour channel between two pictures, or 256 when their sizes differ.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d :
                 {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                largest = qMax(largest, qAbs(d));
        }
    return largest;
}

// What the windows show at 100 % to 200 % is what the drawing gives there, pixel for pixel, and comes
// from the build's pixels without a copy; any other ratio is drawn.
TEST(PrebuiltArtwork, ShowsWhatTheDrawingGivesAtEveryRatio) {
    for (const auto draw : artwork::kPrebuiltPictures)
        for (const double ratio : artwork::kPrebuiltRatios) {
            const QPixmap shown = artwork::forScreen(draw, ratio);
            EXPECT_EQ(shown.devicePixelRatio(), ratio);
            EXPECT_EQ(largestDifference(shown.toImage(), draw(metrics::kScale * ratio).toImage()), 0)
                << ratio;
            const auto pixels = artwork::prebuiltPixels();
            EXPECT_TRUE(std::any_of(
                pixels.begin(), pixels.end(),
                [&](const artwork::PrebuiltPixels& p) { return p.pixels == shown.toImage().constBits(); }))
                << "copied or drawn at " << ratio;
        }
    EXPECT_EQ(artwork::forScreen(artwork::largeLogo, 1.75).size(),
              artwork::largeLogo(metrics::kScale * 1.75).size());
    const QIcon icon = artwork::windowIcon();
    for (const int size : artwork::kIconSizes)
        EXPECT_EQ(largestDifference(icon.pixmap(QSize(size, size), 1.0).toImage(),
                                    artwork::emblem(QSize(size, size)).toImage()),
                  0)
            << size;
}

} // namespace
} // namespace pumpvale
