#include "shared/skin/SkinPictures.h"

#include <string>

#include "shared/layout/MacroPageLayout.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {
namespace {

// Skin elements of the scroll pictures.
constexpr int kScrollBackgroundElement = 135;
constexpr int kScrollFirstArrowElement = 136;
constexpr int kScrollThumbElement = 137;
constexpr int kScrollSecondArrowElement = 138;
// The scroll parts: state 0 is the normal picture, state 1 the pressed one.
constexpr int kScrollNormalState = 0;
constexpr int kScrollPressedState = 1;

}  // namespace

SkinPictures::SkinPictures(SkinLibrary* skin, std::string_view normalFile)
    : m_skin(skin), m_normalSlot(skin::SlotOf(normalFile)) {}

QImage SkinPictures::Cut(int state, const layout::ControlRect& rect) const {
    if (!m_skin || m_normalSlot < 0) {
        return {};
    }
    return m_skin->CropSkin(m_skin->Picture(m_normalSlot + state), rect.x, rect.y, rect.right(),
                            rect.bottom());
}

std::array<QImage, 4> SkinPictures::States(const layout::ControlRect& rect, int count) const {
    std::array<QImage, 4> pictures;
    for (int state = 0; state < count && state < 4; ++state) {
        pictures[state] = Cut(state, rect);
    }
    return pictures;
}

QImage SkinPictures::Whole(std::string_view file) const {
    return m_skin ? m_skin->Picture(skin::SlotOf(file)) : QImage();
}

QSize SkinPictures::WholeSize(std::string_view file) const {
    return m_skin ? m_skin->PictureSize(skin::SlotOf(file)) : QSize();
}

QImage SkinPictures::Element(int element) const {
    return m_skin ? m_skin->GetSkinPart(element, 0, 0, 0, 0, 0) : QImage();
}

QImage SkinPictures::Extra(std::string_view file) const {
    return m_skin ? m_skin->ExtraPicture(file) : QImage();
}

QImage SkinPictures::Part(int element, int state, const layout::ControlRect& r) const {
    return m_skin->GetSkinPart(element, state, r.x, r.y, r.right(), r.bottom());
}

ScrollPictures SkinPictures::Scroll() const {
    ScrollPictures pictures;
    if (m_skin == nullptr) {
        return pictures;
    }
    pictures[0] = Element(kScrollBackgroundElement);
    pictures[1] = Part(kScrollThumbElement, kScrollNormalState, layout::kScrollThumbCrop);
    pictures[2] = Part(kScrollThumbElement, kScrollPressedState, layout::kScrollThumbCrop);
    pictures[3] = Part(kScrollFirstArrowElement, kScrollNormalState, layout::kScrollFirstArrowCrop);
    pictures[4] =
        Part(kScrollFirstArrowElement, kScrollPressedState, layout::kScrollFirstArrowCrop);
    pictures[5] =
        Part(kScrollSecondArrowElement, kScrollNormalState, layout::kScrollSecondArrowCrop);
    pictures[6] =
        Part(kScrollSecondArrowElement, kScrollPressedState, layout::kScrollSecondArrowCrop);
    return pictures;
}

}  // namespace solune
