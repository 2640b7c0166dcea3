#pragma once
// The state a picture of a family shows its controls in.

namespace solune::skinart {

enum class ArtState {
    Background = -1,  // no control drawn: a page's "_BK" picture
    Normal = 0,
    Over = 1,  // the updater's "Hover"
    Down = 2,  // the updater's "Push"; also the chosen (selected or ticked) look
    Disable = 3,
};

}  // namespace solune::skinart
