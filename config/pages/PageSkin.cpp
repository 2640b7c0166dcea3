#include "config/pages/PageSkin.h"

#include "shared/skin/QtMessageSink.h"
#include "shared/skin/SkinElementTable.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {
namespace {

SkinLibrary* g_library = nullptr;

// The library of a program that handed over none; made on first use.
SkinLibrary& DefaultLibrary() {
    static QtMessageSink sink(QStringLiteral("SOLUNE300"));
    static SkinFailure failure(sink, kSkinFailureText);
    static SkinLibrary library(failure);
    return library;
}

}  // namespace

void UsePageSkin(SkinLibrary* library) {
    g_library = library;
}

SkinLibrary& PageSkin() {
    return g_library ? *g_library : DefaultLibrary();
}

PageFamily::PageFamily(std::string_view normalFile) : m_normalSlot(skin::SlotOf(normalFile)) {}

QImage PageFamily::Whole(State state) const {
    if (m_normalSlot < 0) {
        return {};
    }
    return PageSkin().Picture(m_normalSlot + state);
}

QImage PageFamily::Cut(State state, const layout::ControlRect& rect) const {
    return PageSkin().CropSkin(Whole(state), rect.x, rect.y, rect.right(), rect.bottom());
}

QImage SkinPicture(std::string_view file) {
    return PageSkin().Picture(skin::SlotOf(file));
}

}  // namespace solune
