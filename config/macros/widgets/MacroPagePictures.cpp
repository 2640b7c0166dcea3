#include "config/macros/widgets/MacroPagePictures.h"

#include "shared/layout/MacroPageLayout.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {
namespace {

// Skin elements of the macro page and the scroll pictures.
constexpr int kPageBackgroundElement = 114;
constexpr int kPageCutElement = 115;
constexpr int kScrollBackgroundElement = 135;
constexpr int kScrollFirstArrowElement = 136;
constexpr int kScrollThumbElement = 137;
constexpr int kScrollSecondArrowElement = 138;
// The scroll parts: state 0 is the normal picture, state 1 the pressed one.
constexpr int kScrollNormalState = 0;
constexpr int kScrollPressedState = 1;

}  // namespace

QImage MacroPagePictures::Background() {
    if (m_skin == nullptr) {
        return {};
    }
    return m_skin->GetSkinPart(kPageBackgroundElement, 0, 0, 0, 0, 0);
}

QImage MacroPagePictures::ControlPicture(int state, const layout::ControlRect& rect) {
    if (m_skin == nullptr) {
        return {};
    }
    return m_skin->GetSkinPart(kPageCutElement, state, rect.x, rect.y, rect.right(), rect.bottom());
}

ScrollPictures MacroPagePictures::Scroll() {
    ScrollPictures pictures;
    if (m_skin == nullptr) {
        return pictures;
    }
    const auto part = [this](int element, int state, const layout::ControlRect& r) {
        return m_skin->GetSkinPart(element, state, r.x, r.y, r.right(), r.bottom());
    };
    pictures[0] = m_skin->GetSkinPart(kScrollBackgroundElement, 0, 0, 0, 0, 0);
    pictures[1] = part(kScrollThumbElement, kScrollNormalState, layout::kScrollThumbCrop);
    pictures[2] = part(kScrollThumbElement, kScrollPressedState, layout::kScrollThumbCrop);
    pictures[3] = part(kScrollFirstArrowElement, kScrollNormalState, layout::kScrollFirstArrowCrop);
    pictures[4] =
        part(kScrollFirstArrowElement, kScrollPressedState, layout::kScrollFirstArrowCrop);
    pictures[5] =
        part(kScrollSecondArrowElement, kScrollNormalState, layout::kScrollSecondArrowCrop);
    pictures[6] =
        part(kScrollSecondArrowElement, kScrollPressedState, layout::kScrollSecondArrowCrop);
    return pictures;
}

}  // namespace solune
