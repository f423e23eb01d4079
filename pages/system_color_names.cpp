#include "pages/system_color_names.h"

namespace vellumar {
namespace {

// Index 25 names no colour on the old platform and is left out.
constexpr SystemColorName kNames[] = {
    {kColorScrollbar, "Bildlaufleiste"},
    {kColorBackground, "Desktop"},
    {kColorActiveCaption, "Aktive Titelleiste"},
    {kColorInactiveCaption, "Inaktive Titelleiste"},
    {kColorMenu, "Menühintergrund"},
    {kColorWindow, "Fensterhintergrund"},
    {kColorWindowFrame, "Fensterrahmen"},
    {kColorMenuText, "Menütext"},
    {kColorWindowText, "Fenstertext"},
    {kColorCaptionText, "Text der aktiven Titelleiste"},
    {kColorActiveBorder, "Aktiver Rahmen"},
    {kColorInactiveBorder, "Inaktiver Rahmen"},
    {kColorAppWorkspace, "Anwendungshintergrund"},
    {kColorHighlight, "Markierung"},
    {kColorHighlightText, "Markierter Text"},
    {kColorButtonFace, "Schaltfläche"},
    {kColorButtonShadow, "Schaltflächenschatten"},
    {kColorGrayText, "Abgeblendeter Text"},
    {kColorButtonText, "Schaltflächentext"},
    {kColorInactiveCaptionText, "Text der inaktiven Titelleiste"},
    {kColorButtonHighlight, "Schaltflächenhervorhebung"},
    {kColor3dDarkShadow, "3D-Schatten dunkel"},
    {kColor3dLight, "3D-Licht"},
    {kColorInfoText, "QuickInfo-Text"},
    {kColorInfoBackground, "QuickInfo-Hintergrund"},
    {kColorHotLight, "Hyperlink"},
    {kColorGradientActiveCaption, "Farbverlauf aktive Titelleiste"},
    {kColorGradientInactiveCaption, "Farbverlauf inaktive Titelleiste"},
    {kColorMenuHighlight, "Menümarkierung"},
    {kColorMenuBar, "Menüleiste"},
};

}  // namespace

std::span<const SystemColorName> SystemColorNames() {
  return kNames;
}

QString ColorValueText(OleColor color) {
  return QStringLiteral("&H%1&").arg(color, 8, 16, QChar(u'0')).toUpper();
}

}  // namespace vellumar
