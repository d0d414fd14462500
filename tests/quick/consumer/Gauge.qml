// A set-point display following a slider, as a program using the installed module
// writes it.
import QtQuick
import QtQuick.Controls
import LedDisplay

Column {
    Slider {
        id: slider
        objectName: "slider"
        from: 0
        to: 99.99
        value: 12.5
    }
    LEDDisplay { objectName: "display"; digits: 4; decimals: 2; value: slider.value }
}
