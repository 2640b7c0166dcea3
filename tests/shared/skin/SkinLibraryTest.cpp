#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <optional>
#include <string>

#include "shared/skin/DrawTextInRect.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinFonts.h"
#include "shared/skin/SkinLibrary.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::RecordingMessageSink;

// Slot i's picture is 40 × 30 and filled with a colour that names the slot.
QRgb SlotColor(int slot) {
    return qRgb(slot * 4, 255 - slot * 4, 77);
}

class SkinLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        for (int i = 0; i < SkinLibrary::kSlotCount; ++i) {
            WritePicture(std::string(skin::kSlotFiles[i]), test::Solid(40, 30, SlotColor(i)));
        }
    }

    std::filesystem::path Folder() const { return m_dir.path().toStdString(); }

    void WritePicture(const std::string& name, const QImage& image) {
        const std::string format = name.ends_with(".png") ? "PNG" : "BMP";
        ASSERT_TRUE(image.save(QString::fromStdString((Folder() / name).string()), format.c_str()));
    }

    // The slot a picture came from, by its colour.
    static std::optional<int> SlotOfPicture(const QImage& picture) {
        for (int i = 0; i < SkinLibrary::kSlotCount; ++i) {
            if (picture.pixel(0, 0) == SlotColor(i)) {
                return i;
            }
        }
        return std::nullopt;
    }

    QTemporaryDir m_dir;
    RecordingMessageSink m_sink;
    int m_ends = 0;
    SkinFailure m_failure{m_sink, kSkinFailureText, [this] { ++m_ends; }};
};

struct ElementCase {
    int element;
    int state;
    const char* file;  // nullptr: the request fails
};

TEST_F(SkinLibraryTest, ElementsComeFromTheirFamilyAndStateOrFail) {
    const ElementCase cases[] = {
        {0, 2, "Main_Normal.bmp"},
        {1, 0, "Main_Normal.bmp"},
        {21, 3, "Main_Disable.bmp"},
        {22, 1, "MouseSetting_Normal.bmp"},
        {48, 2, "MouseSetting_Down.bmp"},
        {59, 1, "Sensor_Over.bmp"},
        {60, 0, nullptr},
        {60, 1, nullptr},
        {61, 3, "Sensor_Disable.bmp"},
        {72, 0, "ColorSetting_BK.bmp"},
        {73, 0, "ColorSetting_Normal.bmp"},
        {112, 3, "ColorSetting_Disable.bmp"},
        {113, 0, "Mouse.png"},
        {114, 0, "MacroSetting_BK.bmp"},
        {122, 2, "MacroSetting_Down.bmp"},
        {129, 3, "Support_Disable.bmp"},
        {130, 0, "Slider_Normal.bmp"},
        {131, 0, "Slider_Disable.bmp"},
        {134, 0, "Slider3.bmp"},
        {135, 0, "Scroll_Normal.bmp"},
        {137, 0, "Scroll_Down.bmp"},
        {137, 1, "Scroll_Over.bmp"},
        {137, 2, nullptr},
        {139, 0, "ColorPanel.bmp"},
        {144, 3, "ReName_Disable.bmp"},
        {146, 2, "LeftClickWarn_Down.bmp"},
        {147, 3, nullptr},
        {151, 1, "DeleteMacro_Over.bmp"},
        {161, 2, "SensorMira2_Down.bmp"},
        {164, 3, nullptr},
        {168, 0, "ResetWarn_Normal.bmp"},
        {173, 3, "AssignKey_Disable.bmp"},
        {174, 0, nullptr},
        {-1, 0, nullptr},
        {5, -1, nullptr},
        {5, 4, nullptr},
    };
    for (const ElementCase& c : cases) {
        SCOPED_TRACE("element " + std::to_string(c.element) + " state " + std::to_string(c.state));
        RecordingMessageSink sink;
        SkinFailure failure(sink, kSkinFailureText, [] {});
        SkinLibrary library(failure, Folder());
        const QImage part = library.GetSkinPart(c.element, c.state, 2, 3, 12, 8);
        if (c.file == nullptr) {
            EXPECT_TRUE(part.isNull());
            EXPECT_EQ(sink.messages, std::vector<std::string>{"ui load failed!"});
            continue;
        }
        EXPECT_TRUE(sink.messages.empty());
        ASSERT_FALSE(part.isNull());
        EXPECT_EQ(SlotOfPicture(part), skin::SlotOf(c.file));
        const skin::ElementRow* row = skin::FindElementRow(c.element);
        ASSERT_NE(row, nullptr);
        // Cut pieces have the rectangle's size; whole pictures ignore it.
        EXPECT_EQ(part.size(), row->kind == skin::ElementKind::Cut ? QSize(10, 5) : QSize(40, 30));
    }
}

TEST_F(SkinLibraryTest, FailureShowsTheMessageOnceAndEndsTheProgramOnce) {
    SkinLibrary library(m_failure, Folder());
    EXPECT_TRUE(library.GetSkinPart(60, 0, 0, 0, 1, 1).isNull());
    EXPECT_TRUE(library.GetSkinPart(147, 3, 0, 0, 1, 1).isNull());
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"ui load failed!"});
    EXPECT_EQ(m_ends, 1);
    EXPECT_TRUE(m_failure.hasFailed());
}

TEST_F(SkinLibraryTest, MissingPictureFailsOnlyWhenItsStateIsCut) {
    std::filesystem::remove(Folder() / "Main_Over.bmp");
    SkinLibrary library(m_failure, Folder());
    library.LoadSkin();
    EXPECT_TRUE(m_sink.messages.empty());  // nothing at loading time
    EXPECT_FALSE(library.GetSkinPart(3, 0, 0, 0, 5, 5).isNull());
    EXPECT_TRUE(m_sink.messages.empty());
    EXPECT_TRUE(library.GetSkinPart(3, 1, 0, 0, 5, 5).isNull());
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"ui load failed!"});
    EXPECT_EQ(m_ends, 1);
}

TEST_F(SkinLibraryTest, MissingWholePictureFailsInsteadOfHandingOutNothing) {
    std::filesystem::remove(Folder() / "Main_Normal.bmp");
    SkinLibrary library(m_failure, Folder());
    EXPECT_TRUE(library.GetSkinPart(0, 0, 0, 0, 0, 0).isNull());
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"ui load failed!"});
}

TEST_F(SkinLibraryTest, LoadsOnceDecodesOnFirstUseAndKeepsWhatItDecoded) {
    SkinLibrary library(m_failure, Folder());
    library.LoadSkin();
    for (int slot = 0; slot < SkinLibrary::kSlotCount; ++slot) {
        EXPECT_FALSE(library.isDecoded(slot)) << slot;
    }
    library.GetSkinPart(0, 0, 0, 0, 0, 0);
    library.GetSkinPart(50, 1, 0, 0, 4, 4);
    EXPECT_TRUE(library.isDecoded(0));
    EXPECT_FALSE(library.isDecoded(1));
    // Files replaced or removed afterwards change nothing already decoded.
    WritePicture("Main_Normal.bmp", test::Solid(40, 30, qRgb(1, 2, 3)));
    std::filesystem::remove(Folder() / "Sensor_Over.bmp");
    library.LoadSkin();
    EXPECT_EQ(library.GetSkinPart(0, 0, 0, 0, 0, 0).pixel(0, 0), SlotColor(0));
    EXPECT_FALSE(library.GetSkinPart(50, 1, 0, 0, 4, 4).isNull());
    EXPECT_TRUE(m_sink.messages.empty());
}

TEST_F(SkinLibraryTest, ChangingAHandedOutPictureLeavesTheSlotAlone) {
    SkinLibrary library(m_failure, Folder());
    QImage whole = library.GetSkinPart(22, 0, 0, 0, 0, 0);
    whole.fill(qRgb(9, 9, 9));
    EXPECT_EQ(library.GetSkinPart(22, 0, 0, 0, 0, 0).pixel(0, 0), SlotColor(4));
}

TEST(CropSkin, CutsTheRegionPixelForPixel) {
    RecordingMessageSink sink;
    SkinFailure failure(sink, kSkinFailureText, [] {});
    QImage source(8, 6, QImage::Format_ARGB32);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            source.setPixel(x, y, qRgb(x * 30, y * 40, 0));
        }
    }
    const QImage piece = CropSkin(source, 2, 1, 7, 4, failure);
    ASSERT_EQ(piece.size(), QSize(5, 3));
    EXPECT_EQ(piece.pixel(0, 0), source.pixel(2, 1));
    EXPECT_EQ(piece.pixel(4, 2), source.pixel(6, 3));
    EXPECT_TRUE(sink.messages.empty());
}

TEST(CropSkin, RegionOutsideThePictureOrEmptyGivesNothingWithoutMessage) {
    RecordingMessageSink sink;
    SkinFailure failure(sink, kSkinFailureText, [] {});
    const QImage source = test::Solid(8, 6, qRgb(1, 1, 1));
    const int regions[][4] = {{0, 0, 9, 6}, {-1, 0, 4, 4}, {3, 3, 3, 5}, {5, 5, 2, 2}};
    for (const auto& r : regions) {
        EXPECT_TRUE(CropSkin(source, r[0], r[1], r[2], r[3], failure).isNull());
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST(CropSkin, UpdaterCopyReportsItsOwnText) {
    RecordingMessageSink sink;
    int ends = 0;
    SkinFailure failure(sink, kUpdaterSkinFailureText, [&ends] { ++ends; });
    EXPECT_TRUE(CropSkin(QImage(), 0, 0, 10, 10, failure).isNull());
    EXPECT_EQ(sink.messages, std::vector<std::string>{"UI load failed!"});
    EXPECT_EQ(ends, 1);
}

TEST(SkinFailure, ProgramsEndTheRunningEventLoopWithExitCodeZero) {
    RecordingMessageSink sink;
    SkinFailure failure(sink, kSkinFailureText);  // the programs' way of ending
    failure.report();
    // A bound in case the request never arrives; stopped once the loop ended.
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    bound.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    bound.stop();
    EXPECT_EQ(sink.messages, std::vector<std::string>{"ui load failed!"});
}

TEST(RegisterPrivateFont, SkinnedTextsUseTheRegisteredFontFile) {
    // Any installed font file stands in for the private one.
    const std::filesystem::path file = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    if (!std::filesystem::exists(file)) {
        GTEST_SKIP() << "no stand-in font file";
    }
    SkinLibrary::RegisterPrivateFont("/nonexistent/NeoSansStd-Regular.otf");  // silently nothing
    SkinLibrary::RegisterPrivateFont(file);
    const QFont font = skin::MakeFont(skin::kNeoSansFace, 14);
    EXPECT_EQ(QFontInfo(font).family(), "DejaVu Serif");
    EXPECT_EQ(QFontInfo(font).pixelSize(), 14);
}

TEST(LoadSkinPicture, NonPictureAndMissingFilesGiveNothing) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / "text.bmp") << "BM not really a bitmap";
    EXPECT_TRUE(SkinLibrary::LoadSkinPicture(folder / "text.bmp").isNull());
    EXPECT_TRUE(SkinLibrary::LoadSkinPicture(folder / "missing.bmp").isNull());
    EXPECT_TRUE(SkinLibrary::LoadSkinPicture(folder).isNull());
}

// Draws `text` in `rect` of a 200 × 100 picture and returns the box of the
// pixels it inked.
QRect InkedBox(const QString& text, const QRect& rect, bool centerH, bool centerV) {
    QImage canvas(200, 100, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        QFont font("DejaVu Sans");
        font.setPixelSize(20);
        DrawTextInRect(painter, text, TextColor(0xFF00FF00), centerH, centerV, rect, &font);
    }
    QRect box;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qGreen(canvas.pixel(x, y)) > 128) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(DrawTextInRect, CentresInsideTheRectangleAndNeverClips) {
    const QRect wide(20, 10, 160, 80);
    const QRect box = InkedBox("HH", wide, true, true);
    ASSERT_FALSE(box.isEmpty());
    // Centred: the margins on both sides agree within a glyph's bearing.
    EXPECT_NEAR(box.left() - wide.left(), wide.right() - box.right(), 4);
    EXPECT_NEAR(box.top() - wide.top(), wide.bottom() - box.bottom(), 6);

    // Text larger than its rectangle moves up and left and is drawn whole.
    const QRect tiny(100, 50, 4, 4);
    const QRect big = InkedBox("HHHH", tiny, true, true);
    EXPECT_LT(big.left(), tiny.left());
    EXPECT_LT(big.top(), tiny.top());
    EXPECT_GT(big.right(), tiny.right());

    // Without centring the text starts at the rectangle's corner.
    const QRect corner = InkedBox("H", wide, false, false);
    EXPECT_NEAR(corner.left(), wide.left(), 3);
    EXPECT_GE(corner.top(), wide.top());
    EXPECT_LT(corner.top(), wide.top() + 8);
}

}  // namespace
}  // namespace solune
