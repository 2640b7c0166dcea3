#pragma once
// The support page, the last page of the main window: four buttons that open
// the maker's web pages in the browser (SupportLinks.h) without making the
// window wait, the program's version ("Soft Version", "1.21") and the mouse's
// firmware version ("Firm Version").
//
// Building the page fills "Firm Version": when the link is not connected it
// looks for the mouse first; no mouse shows "-.--", otherwise GetDeviceInfo's
// version in hundredths as VersionText ("0.00" when the request fails).
// Afterwards the main window keeps the label current with SetFirmwareText.
//
// A link that cannot be opened (no xdg-open, or one that fails) is named with
// its address on the error output and in a message box (Ctrl+C there copies
// the text), once the opener's thread has told the page so.
//
// The page ignores Enter and Escape (SkinPage). It has no profile values.
//
// Object names for tests: "FQA", "Online Support", "Check Updates",
// "Check Firmware", "Firm Version", "Soft Version".

#include <QString>
#include <memory>
#include <mutex>
#include <string>

#include "config/pages/PageContext.h"
#include "platform/OpenUrl.h"
#include "shared/skin/SkinPage.h"

namespace solune {

class CVixStatic;

class CSupportDlg : public SkinPage {
  public:
    static constexpr char kSoftVersionText[] = "1.21";

    // With a parent the page is a child window of it, placed by the parent;
    // without one it is a window of its own. `context` is copied; what it
    // points to is borrowed and must outlive the page.
    explicit CSupportDlg(const PageContext& context, QWidget* parent = nullptr);
    ~CSupportDlg() override;

    // The "Firm Version" label's text ("-.--" or a version).
    void SetFirmwareText(const QString& text);
    QString firmwareText() const;

    // Replaces what opens the addresses (OpenUrlInBackground, reporting its
    // failures to this page, by default).
    void SetUrlOpener(UrlOpener opener);

    // ControlParent: the four link buttons.
    void controlClicked(int id) override;

  private:
    // The page as the opener's threads see it: null once the page is gone.
    struct Presence {
        std::mutex mutex;
        CSupportDlg* page = nullptr;
    };

    void BuildControls();
    QString ReadFirmwareText();
    // The default opener: OpenUrlInBackground, its failures posted to the page.
    UrlOpener ReportingOpener() const;
    // Tells the user that `url` could not be opened, and why (GUI thread).
    void ReportUnopenedLink(const std::string& url, const std::string& reason);

    std::shared_ptr<Presence> m_presence;
    PageContext m_context;
    UrlOpener m_openUrl;
    CVixStatic* m_firmVersion = nullptr;
    CVixStatic* m_softVersion = nullptr;
};

}  // namespace solune
