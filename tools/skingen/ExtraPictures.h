#pragma once
// The skin pictures that are not cut from a window: slider thumbs, scroll
// parts, the colour panel, the lighting preview's mouse, the surface quality
// scale and the frames of the surface analysis animation. Each is drawn at
// `scale` (see PictureCanvas.h); the names are those of the scale-1 set.

#include <QImage>
#include <string>
#include <vector>

namespace solune::skinart {

struct NamedPicture {
    std::string file;  // the file name in the skin folder
    QImage image;
};

// Size shared by the five slider pictures.
inline constexpr int kThumbWidth = 13;
inline constexpr int kThumbHeight = 15;
// Size shared by the three scroll pictures: as wide as the scroll parts cut
// from them, as tall as the lowest part reaches.
inline constexpr int kScrollWidth = 23;
inline constexpr int kScrollHeight = 222;

// "Slider_Normal.bmp", "Slider_Disable.bmp", "Slider1.bmp" … "Slider3.bmp".
std::vector<NamedPicture> SliderPictures(int scale = 1);
// "Scroll_Normal.bmp" (the track), "Scroll_Down.bmp" (the parts at rest) and
// "Scroll_Over.bmp" (the parts pressed).
std::vector<NamedPicture> ScrollPictures(int scale = 1);
// "ColorPanel.bmp": the twenty swatches at their hit rectangles.
NamedPicture ColorPanelPicture(int scale = 1);
// "Mouse.png": opaque everywhere except a scroll-wheel shape inside the
// scroll-wheel zone and a logo shape inside the logo zone.
NamedPicture MousePicture(int scale = 1);
// "0.bmp", "10.bmp" … "100.bmp": the surface quality classes 0 … 10.
std::vector<NamedPicture> SurfacePictures(int scale = 1);
// "TQA2-1.bmp" … "TQA2-3.bmp".
std::vector<NamedPicture> AnalysisFrames(int scale = 1);

}  // namespace solune::skinart
