// Fixed texts the views fail with for unknown codes, bad records and broken contracts.
#pragma once

namespace nx::error_texts {

inline constexpr char kDotViewIncorrectColor[] = "Error in nx::DotView : Incorrect color";
inline constexpr char kDotViewTextPosition[] =
    "Error in nx::DotView::getTextRectangle: Incorrect text position";
inline constexpr char kIconViewTextPosition[] =
    "Error in nx::IconView::getTextRectangle: Incorrect text position";
inline constexpr char kStraightEdgeIncorrectColor[] =
    "Error in nx::StraightEdgeView: Incorrect color";
inline constexpr char kStraightEdgeTextPosition[] =
    "Error in nx::StraightEdgeView: Incorrect text position";
inline constexpr char kUnknownDotColor[] = "Unknown DotView::DotColor";
inline constexpr char kUnknownDotTextPos[] = "Unknown DotView::DotTextPos";
inline constexpr char kUnknownIconTextPos[] = "Unknown IconView::IconTextPos";
inline constexpr char kUnknownStraightEdgeView[] = "Unknown StraightEdgeView";
inline constexpr char kVertexViewClassUnknown[] =
    "Error in nx::GraphView: Vertex view class is unknown";
inline constexpr char kEdgeViewClassUnknown[] =
    "Error in nx::GraphView: Edge view class is unknown";
inline constexpr char kFailedToReadRgbColor[] = "Failed to read a value of type 'RgbColor'";
inline constexpr char kMemoryBufferAfterInit[] =
    "DrawingTools::enableMemoryBuffer() shall only be called before initialization";

}  // namespace nx::error_texts
