#include "config/app/RealPages.h"

#include <QPointer>
#include <array>

#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/pages/CColorSettingsDlg.h"
#include "config/pages/CMouseSettingsDlg.h"
#include "config/pages/CPopDlg.h"
#include "config/pages/CRenameDlg.h"
#include "config/pages/CSensorDlg.h"
#include "config/pages/CSupportDlg.h"
#include "config/pages/PageContext.h"
#include "shared/layout/PopDlgLayout.h"
#include "config/pages/ProfileNamer.h"

namespace solune {

namespace {

class RealPages final : public VeskPages {
  public:
    explicit RealPages(const PageContext& context) {
        m_sensor = new CSensorDlg(context);
        m_lighting = new CColorSettingsDlg(context);
        m_macros = new CMacroSettingsDlg(context);
        m_support = new CSupportDlg(context);
        m_buttons = new CMouseSettingsDlg(context);
        m_pages = {m_buttons, m_sensor, m_lighting, m_macros, m_support};
    }
    ~RealPages() override {
        // The main window owns the pages once it took them as children.
        for (const QPointer<QWidget>& page : m_pages) {
            if (page && page->parent() == nullptr) {
                delete page.data();
            }
        }
    }

    QWidget* page(int index) const override { return m_pages[index]; }
    ProfilePage& editingPage(int index) override {
        if (index == kSensor) {
            return *m_sensor;
        }
        if (index == kLighting) {
            return *m_lighting;
        }
        return *m_buttons;
    }
    void RefreshMacroMenus() override { m_buttons->RefreshMacroMenus(); }
    void StopRecording() override {
        if (m_pages[kMacros]) {
            m_macros->StopRecording();
        }
    }
    void SetFirmwareText(const QString& text) override { m_support->SetFirmwareText(text); }

  private:
    CSensorDlg* m_sensor;
    CColorSettingsDlg* m_lighting;
    CMacroSettingsDlg* m_macros;
    CSupportDlg* m_support;
    CMouseSettingsDlg* m_buttons;
    std::array<QPointer<QWidget>, kCount> m_pages;
};

// The rename dialog's answer goes to the profile set through `store`.
class StoreName final : public ProfileNamer {
  public:
    explicit StoreName(const std::function<void(const std::u16string&)>& store) : m_store(store) {}
    void SetProfileName(int, const std::u16string& name) override { m_store(name); }

  private:
    const std::function<void(const std::u16string&)>& m_store;
};

}  // namespace

std::unique_ptr<VeskPages> MakeRealPages(const PageContext& context) {
    return std::make_unique<RealPages>(context);
}

bool ConfirmResetWithPopUp(const PageContext& context, QWidget* parent) {
    CPopDlg warning(layout::kResetWarnMode, context, parent);
    return warning.DoModal() == 1;
}

void RenameWithDialog(int number, const std::function<void(const std::u16string&)>& store,
                      const PageContext& context, QWidget* parent) {
    StoreName namer(store);
    CRenameDlg dialog(number, &namer, parent, context.skin);
    dialog.DoModal();
}

}  // namespace solune
