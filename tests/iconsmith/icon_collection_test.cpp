// The built-in icon collection: every icon is a well-formed favicon that Qt opens, the icons
// differ, and the generator gives the same bytes on every run.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "iconsmith/icons/ico_format.h"
#include "iconsmith/icons/icon_collection.h"
#include "tests/support/file_helpers.h"

namespace {

using Module1::DefaultIconBytes;
using Module1::IconCount;
using Module1::IconFileBytes;
using Module1::ParseIco;

std::uint32_t Read16(const std::string& b, std::size_t at) {
    return std::uint8_t(b[at]) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t Read32(const std::string& b, std::size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

// The DIB of image `index` of an icon file, as the directory points to it.
std::string ImageBytes(const std::string& icon, int index) {
    const std::size_t entry = 6 + 16 * std::size_t(index);
    return icon.substr(Read32(icon, entry + 12), Read32(icon, entry + 8));
}

// Checks a 32-bit DIB: doubled height in the header, and an AND-mask bit set exactly where
// the pixel is fully transparent. Returns the fraction of mostly opaque pixels and the largest
// colour difference between two opaque pixels in the middle of the square.
void CheckTrueColorImage(const std::string& dib, int side, double& opaqueShare, int& contrast) {
    ASSERT_EQ(Read32(dib, 0), 40u);
    ASSERT_EQ(int(Read32(dib, 4)), side);
    ASSERT_EQ(int(Read32(dib, 8)), side * 2);
    ASSERT_EQ(Read16(dib, 14), 32u);
    const std::size_t colors = 40, mask = colors + std::size_t(side) * side * 4;
    const std::size_t maskStride = std::size_t(side + 31) / 32 * 4;
    ASSERT_EQ(dib.size(), mask + maskStride * side);
    int opaque = 0, minSum = 3 * 255, maxSum = 0;
    int minR = 255, maxR = 0, minG = 255, maxG = 0, minB = 255, maxB = 0;
    for (int row = 0; row < side; ++row) {  // bottom-up in the file; the order does not matter
        for (int x = 0; x < side; ++x) {
            const std::size_t p = colors + (std::size_t(row) * side + x) * 4;
            const int alpha = std::uint8_t(dib[p + 3]);
            const bool maskBit =
                std::uint8_t(dib[mask + row * maskStride + x / 8]) & (0x80 >> (x % 8));
            ASSERT_EQ(maskBit, alpha == 0) << "pixel " << x << "," << row;
            if (alpha < 128) continue;
            ++opaque;
            // Contrast only in the middle, where every design has its picture and no outline.
            const bool middle =
                x >= side / 4 && x < side * 3 / 4 && row >= side / 4 && row < side * 3 / 4;
            if (!middle) continue;
            const int b = std::uint8_t(dib[p]), g = std::uint8_t(dib[p + 1]),
                      r = std::uint8_t(dib[p + 2]);
            minR = std::min(minR, r), maxR = std::max(maxR, r);
            minG = std::min(minG, g), maxG = std::max(maxG, g);
            minB = std::min(minB, b), maxB = std::max(maxB, b);
            minSum = std::min(minSum, r + g + b), maxSum = std::max(maxSum, r + g + b);
        }
    }
    opaqueShare = double(opaque) / (side * side);
    contrast = std::max(maxSum - minSum, (maxR - minR) + (maxG - minG) + (maxB - minB));
}

// A whole file, named the way Qt names it.
std::string ReadAll(const QString& path) {
    return testsupport::ReadBytes(path.toStdString());
}

std::unique_ptr<QImageReader> IcoReader(QBuffer& buffer) {
    buffer.open(QIODevice::ReadOnly);
    return std::make_unique<QImageReader>(&buffer, "ico");
}

TEST(IconCollection, NumbersRunFromOneTo511) {
    EXPECT_EQ(IconCount(), 511);
    for (int outside : {-1, 0, 512, 100000}) {
        SCOPED_TRACE(outside);
        EXPECT_TRUE(IconFileBytes(outside).empty());
    }
    EXPECT_FALSE(IconFileBytes(1).empty());
    EXPECT_FALSE(IconFileBytes(511).empty());
}

TEST(IconCollection, EveryIconIsAWellFormedFaviconWithAVisiblePicture) {
    for (int number = 1; number <= IconCount(); ++number) {
        SCOPED_TRACE(number);
        const std::string icon = IconFileBytes(number);
        const auto images = ParseIco(icon);
        ASSERT_TRUE(images.has_value());
        ASSERT_EQ(images->size(), 3u);
        const int sides[] = {32, 16, 48};  // 32 first for readers that take the first
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(sides[i]);
            EXPECT_EQ((*images)[i].width, sides[i]);
            EXPECT_EQ((*images)[i].height, sides[i]);
            EXPECT_EQ((*images)[i].bitCount, 32);
            EXPECT_FALSE((*images)[i].png);
            double opaqueShare = 0;
            int contrast = 0;
            CheckTrueColorImage(ImageBytes(icon, i), sides[i], opaqueShare, contrast);
            if (HasFatalFailure()) return;
            // Either a picture on a backdrop (strong contrast inside) or a free-standing one
            // that still covers a fair part of the square.
            EXPECT_TRUE(contrast >= 250 || (opaqueShare >= 0.08 && opaqueShare < 0.9))
                << "contrast " << contrast << ", opaque " << opaqueShare;
        }
    }
}

TEST(IconCollection, QtReadsEveryImageOfEveryIcon) {
    for (int number = 1; number <= IconCount(); ++number) {
        SCOPED_TRACE(number);
        QByteArray bytes = QByteArray::fromStdString(IconFileBytes(number));
        QBuffer buffer(&bytes);
        const auto reader = IcoReader(buffer);
        ASSERT_TRUE(reader->canRead()) << reader->errorString().toStdString();
        ASSERT_EQ(reader->imageCount(), 3);
        std::set<int> sides;
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(reader->jumpToImage(i));
            const QImage image = reader->read();
            ASSERT_FALSE(image.isNull()) << reader->errorString().toStdString();
            EXPECT_EQ(image.width(), image.height());
            EXPECT_TRUE(image.hasAlphaChannel());
            sides.insert(image.width());
        }
        EXPECT_EQ(sides, (std::set<int>{16, 32, 48}));
        // A plain load, as a picture list does it, gives the 32x32 image.
        EXPECT_EQ(QImage::fromData(bytes, "ICO").size(), QSize(32, 32));
    }
}

// A second, independent reader: ImageMagick, where it is installed.
TEST(IconCollection, ImageMagickReadsEveryImageOfEveryIcon) {
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty()) GTEST_SKIP() << "ImageMagick is not installed";
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("-format"), QStringLiteral("%f %w %h\n")};
    for (int number = 1; number <= IconCount(); ++number) {
        const QString path = dir.filePath(QStringLiteral("%1.ico").arg(number));
        testsupport::WriteBytes(path.toStdString(), IconFileBytes(number));
        arguments << path;
    }
    QProcess process;
    process.start(identify, arguments);
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    std::map<QString, std::set<int>> sides;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 3) continue;
        EXPECT_EQ(fields[1], fields[2]);
        sides[QString::fromUtf8(fields[0])].insert(fields[1].toInt());
    }
    ASSERT_EQ(int(sides.size()), IconCount());
    for (const auto& [name, found] : sides) {
        EXPECT_EQ(found, (std::set<int>{16, 32, 48})) << name.toStdString();
    }
}

TEST(IconCollection, IconsArePairwiseDifferentAtEverySize) {
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        std::set<std::string> seen;
        for (int number = 1; number <= IconCount(); ++number) {
            EXPECT_TRUE(seen.insert(ImageBytes(IconFileBytes(number), i)).second)
                << "icon " << number << " repeats an earlier picture";
        }
    }
}

TEST(DefaultIcon, HoldsA256ColourImageFirstThatQtShows) {
    const std::string icon = DefaultIconBytes();
    const auto images = ParseIco(icon);
    ASSERT_TRUE(images.has_value());
    ASSERT_FALSE(images->empty());
    EXPECT_EQ((*images)[0].width, 32);
    EXPECT_EQ((*images)[0].height, 32);
    EXPECT_EQ((*images)[0].bitCount, 8);
    for (std::size_t i = 1; i < images->size(); ++i) EXPECT_EQ((*images)[i].bitCount, 32);

    QByteArray bytes = QByteArray::fromStdString(icon);
    QBuffer buffer(&bytes);
    const auto reader = IcoReader(buffer);
    const QImage first = reader->read();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(32, 32));
    // The sheet leaves the top-left corner free; the middle is painted.
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(first.pixel(16, 16)), 255);
    EXPECT_GT(first.convertToFormat(QImage::Format_RGB32).pixel(20, 22) & 0xffffff, 0u);

    for (int number = 1; number <= IconCount(); ++number) EXPECT_NE(IconFileBytes(number), icon);
}

TEST(DefaultIcon, IsImageTwoOfTheMainWindowIcons) {
    EXPECT_EQ(ReadAll(QStringLiteral(SOURCE_ROOT "/iconsmith/app/assets/main_icon_2.ico")),
              DefaultIconBytes());
}

// Runs the generator with the given arguments; true when it ended without an error.
bool RunGenerator(const QStringList& arguments) {
    QProcess generator;
    generator.start(QStringLiteral(ICON_GENERATOR), arguments);
    return generator.waitForFinished(120000) && generator.exitStatus() == QProcess::NormalExit &&
           generator.exitCode() == 0;
}

TEST(IconGenerator, GivesTheEmbeddedBytesOnEveryRun) {
    QTemporaryDir first, second;
    ASSERT_TRUE(RunGenerator({"collection", first.path()}));
    ASSERT_TRUE(RunGenerator({"collection", second.path()}));
    const QStringList names = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), IconCount() + 1);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ReadAll(first.filePath(name)), ReadAll(second.filePath(name)));
    }
    EXPECT_EQ(ReadAll(first.filePath("default.ico")), DefaultIconBytes());
    for (int number : {1, 2, 37, 256, 511}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(ReadAll(first.filePath(QStringLiteral("%1.ico").arg(number, 3, 10, QChar('0')))),
                  IconFileBytes(number));
    }
}

TEST(IconGenerator, CommittedPicturesAreWhatItDraws) {
    QTemporaryDir app, shared;
    ASSERT_TRUE(RunGenerator({"assets", app.path(), shared.path()}));
    const struct {
        QString generated;
        QString committed;
    } folders[] = {{app.path(), QStringLiteral(SOURCE_ROOT "/iconsmith/app/assets")},
                   {shared.path(), QStringLiteral(SOURCE_ROOT "/shared/widgets/assets")}};
    for (const auto& folder : folders) {
        const QStringList names = QDir(folder.generated).entryList(QDir::Files, QDir::Name);
        ASSERT_FALSE(names.isEmpty());
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString());
            const std::string committed = ReadAll(folder.committed + "/" + name);
            ASSERT_FALSE(committed.empty()) << "missing in the repository";
            EXPECT_EQ(ReadAll(folder.generated + "/" + name), committed)
                << "out of date: rebuild the target iconsmith_refresh_assets";
        }
    }
}

}  // namespace
