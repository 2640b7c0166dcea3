#include "config/pages/PagePictures.h"

#include <string>

#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

PagePictures::PagePictures(SkinLibrary* skin, std::string_view normalFile)
    : m_skin(skin), m_normalSlot(skin::SlotOf(normalFile)) {}

QImage PagePictures::Cut(int state, const layout::ControlRect& rect) const {
    if (!m_skin || m_normalSlot < 0) {
        return {};
    }
    return m_skin->CropSkin(m_skin->Picture(m_normalSlot + state), rect.x, rect.y, rect.right(),
                            rect.bottom());
}

std::array<QImage, 4> PagePictures::States(const layout::ControlRect& rect, int count) const {
    std::array<QImage, 4> pictures;
    for (int state = 0; state < count && state < 4; ++state) {
        pictures[state] = Cut(state, rect);
    }
    return pictures;
}

QImage PagePictures::Whole(std::string_view file) const {
    return m_skin ? m_skin->Picture(skin::SlotOf(file)) : QImage();
}

QImage PagePictures::Extra(std::string_view file) const {
    return m_skin ? SkinLibrary::LoadSkinPicture(m_skin->folder() / std::string(file)) : QImage();
}

}  // namespace solune
