#pragma once
// The controls that BuildFromLayout made from a layout table, by control id.
// The controls are owned by their Qt parent; this only borrows them.

#include <QWidget>
#include <utility>
#include <vector>

namespace solune {

class LayoutControls {
  public:
    // Records `widget` as the control of `id`.
    void Add(int id, QWidget* widget) { m_controls.emplace_back(id, widget); }

    // The control of `id`, or nullptr when there is none.
    QWidget* find(int id) const {
        for (const auto& [controlId, widget] : m_controls) {
            if (controlId == id) {
                return widget;
            }
        }
        return nullptr;
    }

    // The control of `id` as the class it was made of; nullptr when there is
    // none or it is of another class.
    template <typename W>
    W* get(int id) const {
        return dynamic_cast<W*>(find(id));
    }

  private:
    std::vector<std::pair<int, QWidget*>> m_controls;
};

}  // namespace solune
