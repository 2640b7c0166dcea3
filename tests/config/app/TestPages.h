#pragma once
// Simple pages for the main window's tests: each editing page shows one field
// of the profile in a slider (buttons: scrollLines, sensor: pointerSpeed,
// lighting: lightingEffect) that a test moves with the keyboard, and every
// call the window makes on the pages is written to one log:
//   "store buttons", "load sensor", "refresh", "firmware 1.05".
// (The window fixture writes "save macros" to the same log.)

#include <QPointer>
#include <QSlider>
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "config/app/VeskPages.h"
#include "config/pages/ProfilePage.h"
#include "config/profiles/Profile.h"

namespace solune::test {

using PageLog = std::vector<std::string>;

class TestEditingPage : public QWidget, public ProfilePage {
  public:
    TestEditingPage(std::string name, PageLog& log) : m_name(std::move(name)), m_log(log) {
        setObjectName(QString::fromStdString(m_name + " page"));
        slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString::fromStdString(m_name + " slider"));
        slider->setRange(0, 100);
        slider->setGeometry(10, 10, 200, 20);
    }

    void LoadFromProfile(const Profile& profile) override {
        m_log.push_back("load " + m_name);
        slider->setValue(field(const_cast<Profile&>(profile)));
    }
    void StoreToProfile(Profile& profile) override {
        m_log.push_back("store " + m_name);
        set(profile, slider->value());
    }

    QSlider* slider;

  private:
    int field(Profile& p) const {
        if (m_name == "buttons") {
            return p.scrollLines;
        }
        if (m_name == "sensor") {
            return p.pointerSpeed;
        }
        return p.lightingEffect;
    }
    void set(Profile& p, int value) const {
        if (m_name == "buttons") {
            p.scrollLines = static_cast<std::int16_t>(value);
        } else if (m_name == "sensor") {
            p.pointerSpeed = static_cast<std::uint8_t>(value);
        } else {
            p.lightingEffect = value;
        }
    }

    std::string m_name;
    PageLog& m_log;
};

class TestPages final : public VeskPages {
  public:
    explicit TestPages(PageLog& log) : m_log(log) {
        // Made in the window's creation order.
        m_pages[kSensor] = new TestEditingPage("sensor", log);
        m_pages[kLighting] = new TestEditingPage("lighting", log);
        m_pages[kMacros] = new QWidget;
        m_pages[kMacros]->setObjectName("macros page");
        m_pages[kSupport] = new QWidget;
        m_pages[kSupport]->setObjectName("support page");
        m_pages[kButtons] = new TestEditingPage("buttons", log);
    }
    ~TestPages() override {
        for (const QPointer<QWidget>& page : m_pages) {
            if (page && page->parent() == nullptr) {
                delete page.data();
            }
        }
    }

    QWidget* page(int index) const override { return m_pages[index]; }
    ProfilePage& editingPage(int index) override {
        return *static_cast<TestEditingPage*>(m_pages[index].data());
    }
    TestEditingPage& editing(int index) {
        return *static_cast<TestEditingPage*>(m_pages[index].data());
    }
    void RefreshMacroMenus() override { m_log.push_back("refresh"); }
    void SetFirmwareText(const QString& text) override {
        firmwareText = text;
        m_log.push_back("firmware " + text.toStdString());
    }

    QString firmwareText;

  private:
    PageLog& m_log;
    std::array<QPointer<QWidget>, kCount> m_pages;
};

}  // namespace solune::test
