// The item's properties as QML writes them: enumerations, colours, fonts, a refused value
// and the implicit size autoSize gives.
import QtQuick
import QtTest
import LedDisplay

Item {
    id: root
    width: 400
    height: 200

    LEDDisplay {
        id: display
        backGroundStyle: LEDDisplay.Gradient_V
        litColor: "orange"
        captionLow: "Volt"
        captionLowFont.pointSize: 17
    }

    SignalSpy {
        id: errors
        target: display
        signalName: "errorOccurred"
    }

    SignalSpy {
        id: fontChanges
        target: display
        signalName: "captionLowFontChanged"
    }

    TestCase {
        name: "Properties"
        when: windowShown

        function init() {
            errors.clear()
            fontChanges.clear()
        }

        function test_enumerationsByName() {
            compare(display.backGroundStyle, LEDDisplay.Gradient_V)
            display.backGroundStyle = LEDDisplay.Gradient_H
            compare(display.backGroundStyle, LEDDisplay.Gradient_H)
            display.appearance = LEDDisplay.ThreeD
            compare(display.appearance, LEDDisplay.ThreeD)
            compare(errors.count, 0)
        }

        // onColor and offColor are the older names of litColor and unlitColor.
        function test_colorsFromNamesAndQtRgba() {
            verify(Qt.colorEqual(display.litColor, "orange"), display.litColor)
            verify(Qt.colorEqual(display.onColor, "orange"), display.onColor)
            display.unlitColor = Qt.rgba(0, 0.5, 0, 1)
            verify(Qt.colorEqual(display.unlitColor, "#008000"), display.unlitColor)
            display.offColor = "#102030"
            verify(Qt.colorEqual(display.unlitColor, "#102030"), display.unlitColor)
        }

        // A grouped font write (captionLowFont.bold) reads, changes and writes back the
        // whole font: the other fields stay.
        function test_captionFontFieldsAndWholeFonts() {
            compare(display.captionLowFont.pointSize, 17)
            display.captionLowFont.bold = true
            compare(display.captionLowFont.bold, true)
            compare(display.captionLowFont.pointSize, 17)
            compare(fontChanges.count, 1)
            display.captionUpperFont = Qt.font({ family: "DejaVu Sans", pointSize: 14 })
            compare(display.captionUpperFont.pointSize, 14)
        }

        // A caption font sized in pixels, as QML authors often write it, takes without a
        // warning and keeps its size (in points at 96 pixels an inch).
        function test_aCaptionFontSizedInPixels() {
            failOnWarning(/.*/)
            const sized = Qt.createQmlObject(
                "import LedDisplay\nLEDDisplay { captionUpper: 'Hi'; captionUpperFont.pixelSize: 20 }",
                root, "PixelFont.qml")
            compare(sized.captionUpperFont.pointSize, 15)
            compare(errors.count, 0)
            sized.destroy()
        }

        function test_refusedValueKeepsTheProperty_data() {
            return [
                { tag: "beyond 16 bits", name: "digits", value: 70000, error: LEDDisplay.Overflow },
                { tag: "no such member", name: "appearance", value: 7,
                  error: LEDDisplay.InvalidPropertyValue },
                { tag: "missing picture", name: "pictureBackGround",
                  value: "file:///nonexistent/back.bmp", error: LEDDisplay.InvalidPicture },
            ]
        }

        // A refused value raises errorOccurred, leaves the property as it was and throws
        // nothing into the script.
        function test_refusedValueKeepsTheProperty(row) {
            const kept = display[row.name]
            display[row.name] = row.value
            compare(display[row.name], kept)
            compare(errors.count, 1)
            compare(errors.signalArguments[0][0], row.error)
            verify(errors.signalArguments[0][1].length > 0)
        }

        // With autoSize the item is as large as its content, and grows with more digits.
        function test_autoSizeGivesTheImplicitSize() {
            display.autoSize = true
            compare(display.width, display.implicitWidth)
            compare(display.height, display.implicitHeight)
            const narrow = display.implicitWidth
            display.digits = display.digits + 3
            verify(display.implicitWidth > narrow, display.implicitWidth + " <= " + narrow)
            compare(display.width, display.implicitWidth)
        }
    }
}
