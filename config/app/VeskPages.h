#pragma once
// The five pages that the main window hosts, as the window sees them: five
// page windows, the three that edit a profile, and the few calls the window
// makes on particular pages. The pages hold no model data of their own: the
// macro library they show is the window's (PageContext). The program's pages
// come from RealPages; tests hand in simple pages of their own.

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace solune {

class ProfilePage;
struct PageContext;

class VeskPages {
  public:
    // Page indexes, in the order of the page buttons 1000 … 1004.
    enum Index { kButtons = 0, kSensor = 1, kLighting = 2, kMacros = 3, kSupport = 4 };
    static constexpr int kCount = 5;
    // The order in which the pages are created and placed.
    static constexpr Index kCreationOrder[kCount] = {kSensor, kLighting, kMacros, kSupport,
                                                     kButtons};

    virtual ~VeskPages() = default;

    // The page window of `index`, created without a parent; the main window
    // takes it over as a child.
    virtual QWidget* page(int index) const = 0;
    // The editing pages: kButtons, kSensor and kLighting.
    virtual ProfilePage& editingPage(int index) = 0;

    // The button page's macro menus follow the macro library.
    virtual void RefreshMacroMenus() = 0;
    // A recording on the macro page ends as "Stop Record" ends it, so no key
    // typed elsewhere is recorded while the window is not shown. Pages without
    // a recorder have nothing to stop.
    virtual void StopRecording() {}
    // The support page's firmware label ("1.21", "-.--").
    virtual void SetFirmwareText(const QString& text) = 0;
};

// Makes the five pages, in VeskPages::kCreationOrder, for `context` (whose
// skin library is the main window's, which outlives them).
using PageFactory = std::function<std::unique_ptr<VeskPages>(const PageContext& context)>;

}  // namespace solune
