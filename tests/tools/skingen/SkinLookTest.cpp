// The look of the pictures where a user compares controls side by side: one
// text size along a row of choices, one face for a group of choices, labels
// clear of the edits they name, stage numbers over their values, and every
// text of the artwork whole.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <optional>
#include <vector>

#include "shared/layout/ButtonPageLayout.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/layout/SensorPageLayout.h"
#include "tests/tools/skingen/SkinFolders.h"
#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/SkinFamily.h"
#include "tools/skingen/SkinPalette.h"

namespace solune::skintest {
namespace {

using layout::ControlRect;
using skinart::kAccent;
using skinart::kBackground;

QRect ToQ(const ControlRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

const layout::LayoutControl& ControlOf(std::span<const layout::LayoutControl> table, int id) {
    const layout::LayoutControl* c = layout::FindControl(table, id);
    EXPECT_NE(c, nullptr) << id;
    return *c;
}

// The smallest rectangle inside `area` holding every pixel for which `ink`
// holds, or nothing.
template <typename Ink>
std::optional<QRect> InkBox(const QImage& image, const QRect& area, Ink ink) {
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(image.pixelColor(x, y))) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool NotBackground(const QColor& c) {
    return c != kBackground;
}

TEST(SkinLook, TheReportRatesAreWrittenAtOneSize) {
    const QImage normal = Load(ConfigSkinFolder(), "MouseSetting_Normal.bmp");
    ASSERT_FALSE(normal.isNull());
    std::vector<int> heights;
    for (int id : {layout::kRate125Id, layout::kRate250Id, layout::kRate500Id,
                   layout::kRate1000Id}) {
        const QRect text = skinart::CheckBoxTextRect(ToQ(ControlOf(layout::kButtonPageControls, id).rect));
        const auto ink = InkBox(normal, text, NotBackground);
        ASSERT_TRUE(ink) << id;
        heights.push_back(ink->height());
    }
    // The digits' tops and bottoms agree to a pixel (a round "0" may reach
    // one pixel further than a flat "1").
    for (int h : heights) {
        EXPECT_LE(std::abs(h - heights.front()), 1) << h << " against " << heights.front();
    }
}

TEST(SkinLook, TheLightingChoicesShareOneFace) {
    const QImage over = Load(ConfigSkinFolder(), "ColorSetting_Over.bmp");
    ASSERT_FALSE(over.isNull());
    std::optional<QSize> first;
    for (const layout::ChoiceFace& choice : layout::kLightingChoiceFaces) {
        const layout::LayoutControl& c = ControlOf(layout::kLightingPageControls, choice.id);
        SCOPED_TRACE(c.name.data());
        // Under the pointer the face wears an accent frame.
        const auto face = InkBox(over, ToQ(c.rect), [](const QColor& p) { return p == kAccent; });
        ASSERT_TRUE(face);
        EXPECT_TRUE(ToQ(c.rect).contains(*face));
        if (!first) {
            first = face->size();
        }
        EXPECT_EQ(face->size(), *first);
    }
}

TEST(SkinLook, TheColourLettersKeepClearOfTheEdits) {
    const QImage normal = Load(ConfigSkinFolder(), "ColorSetting_Normal.bmp");
    ASSERT_FALSE(normal.isNull());
    for (int id : layout::kLightingEditIds) {
        const QRect edit = ToQ(ControlOf(layout::kLightingPageControls, id).rect);
        SCOPED_TRACE(id);
        // Two pixels around the edit show only the page.
        for (const QRect& margin :
             {QRect(edit.left() - 2, edit.top(), 2, edit.height()),
              QRect(edit.right() + 1, edit.top(), 2, edit.height()),
              QRect(edit.left(), edit.bottom() + 1, edit.width(), 2)}) {
            EXPECT_FALSE(InkBox(normal, margin, NotBackground));
        }
        // Its letter sits under it, centred to a pixel or two.
        const auto letter =
            InkBox(normal, QRect(edit.left(), edit.bottom() + 3, edit.width(), 16), NotBackground);
        ASSERT_TRUE(letter);
        EXPECT_LE(std::abs(letter->center().x() - edit.center().x()), 2);
    }
}

TEST(SkinLook, TheStageNumbersStandOverTheirValues) {
    const QImage normal = Load(ConfigSkinFolder(), "Sensor_Normal.bmp");
    ASSERT_FALSE(normal.isNull());
    const int values[] = {layout::kSensorStep1xId, layout::kSensorStep2xId,
                          layout::kSensorStep3xId};
    for (int id : values) {
        const QRect value = ToQ(ControlOf(layout::kSensorPageControls, id).rect);
        SCOPED_TRACE(id);
        const auto number =
            InkBox(normal, QRect(value.left(), 10, value.width(), value.top() - 10), NotBackground);
        ASSERT_TRUE(number);
        EXPECT_LE(std::abs(number->center().x() - value.center().x()), 2);
    }
    for (int id : layout::kSensorColumnIds) {
        // The column backgrounds carry no number of their own any more.
        EXPECT_FALSE(InkBox(normal, ToQ(ControlOf(layout::kSensorPageControls, id).rect),
                            NotBackground))
            << id;
    }
}

// Where the letters of `text` land when drawn where the artwork places them,
// without the clip the artwork draws with.
std::optional<QRect> UnclippedInk(const QRect& r, const QString& text, int pixelSize, bool bold,
                                  layout::TextAlign align) {
    const skinart::TextPlacement place = skinart::PlaceFittedText(r, text, pixelSize, bold, align);
    QImage image(r.right() + 40, r.bottom() + 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(place.font);
    p.setPen(Qt::white);
    p.drawText(place.baseline, text);
    p.end();
    return InkBox(image, image.rect(), [](const QColor& c) { return c != Qt::black; });
}

TEST(SkinLook, EveryTextOfTheArtworkIsWhole) {
    int argc = 1;
    char name[] = "skinart_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);  // the fonts need one
    std::vector<skinart::SkinFamily> families = skinart::ConfigFamilies();
    for (skinart::SkinFamily& f : skinart::UpdaterFamilies()) {
        families.push_back(std::move(f));
    }
    int checked = 0;
    for (const skinart::SkinFamily& family : families) {
        for (const layout::StaticText& t : family.texts) {
            if (t.role == layout::TextRole::Message) {
                continue;  // wrapped paragraphs, checked by their screens' tests
            }
            SCOPED_TRACE(family.name + ": " + std::string(t.text));
            const skinart::TextStyle style = skinart::StyleOf(t.role);
            const int size = style.pixelSize;
            const bool bold = style.bold;
            const QRect r = ToQ(t.rect);
            const QString text = skinart::ToQString(t.text);
            const auto ink = UnclippedInk(r, text, size, bold, t.align);
            ASSERT_TRUE(ink);
            EXPECT_TRUE(r.contains(*ink)) << "ink " << ink->x() << "," << ink->y() << " "
                                          << ink->width() << "x" << ink->height();
            ++checked;
        }
        for (const layout::LayoutControl& c : family.controls) {
            if (c.kind != layout::ControlKind::CheckBox || c.artText.empty()) {
                continue;
            }
            SCOPED_TRACE(family.name + ": " + std::string(c.artText));
            const QRect r = skinart::CheckBoxTextRect(ToQ(c.artRect()));
            const auto ink = UnclippedInk(r, skinart::ToQString(c.artText),
                                          skinart::kCheckBoxTextSize, false, layout::TextAlign::Left);
            ASSERT_TRUE(ink);
            EXPECT_TRUE(r.contains(*ink));
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
}

}  // namespace
}  // namespace solune::skintest
