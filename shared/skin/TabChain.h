#pragma once
// The Tab order of a skinned window: the controls in the order the window
// lists them (its reading order), each reached by Tab and left by Shift+Tab
// the other way. Hidden controls are passed over, so the hidden pages of a
// window may stay in the chain.

#include <QWidget>
#include <vector>

namespace solune {

// Makes `controls` the Tab order, first to last; null entries are skipped.
void ChainTabOrder(const std::vector<QWidget*>& controls);

// Appends the descendants of `container` that Tab can reach, in the order
// they were made (the layout table's order).
void AppendTabStops(const QWidget& container, std::vector<QWidget*>& controls);

}  // namespace solune
