#pragma once
// The position arithmetic of the sliders and the scroll control, free of any
// window so it can be checked on its own.
//
// Ratios are computed in single precision and truncated, as the controls draw
// them; a value between bounds that are equal, or a track no longer than the
// thumb, places the thumb at the start and reads every point as the minimum.

namespace solune::layout {

// truncate(r × travel) with r = (value − min) ÷ (max − min) in single
// precision; 0 when max equals min.
int ThumbOffset(int travel, int value, int minValue, int maxValue);

// The x of a slider thumb's centre on a track from `left` to `right` (right
// exclusive) for a thumb `thumbWidth` wide:
// left + ThumbOffset(right − thumbWidth − left, …) + thumbWidth ÷ 2.
int ThumbCenterX(int left, int right, int thumbWidth, int value, int minValue, int maxValue);

// The value under point `x`: (x − thumbWidth ÷ 2 − left) × (max − min) ÷
// (right − thumbWidth − left) + min, rounded to single precision, then rounded
// half up from the integer part taken toward zero (a negative fraction never
// rounds up), then clamped to max and then to min.
int ValueAtPoint(int x, int left, int right, int thumbWidth, int minValue, int maxValue);

// Snaps to a multiple of `step` counted from 0: up when the remainder is more
// than half the step, else down. A step of 0 or less leaves the value as is.
int SnapToStep(int value, int step);

}  // namespace solune::layout
