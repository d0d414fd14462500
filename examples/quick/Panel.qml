// Five live displays: a set-point following a slider, a level swept by an animation,
// a counter stepped by a timer, a captioned voltmeter tracking the set-point, and a
// transparent heading over a picture, which shows behind its digits.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import LedDisplay

Rectangle {
    width: 620
    height: 350
    color: "#2b2b2b"
    // The displays' 3D edges take these roles, so that on a dark panel they are dark.
    palette.light: "#5c5c5c"
    palette.midlight: "#3c3c3c"
    palette.dark: "#161616"
    palette.shadow: "#000000"

    GridLayout {
        anchors.fill: parent
        anchors.margins: 12
        columns: 2
        rowSpacing: 10
        columnSpacing: 12

        Label { text: "Set-point"; color: "white" }
        Label { text: "Voltmeter"; color: "white" }

        ColumnLayout {
            LEDDisplay {
                id: setPoint
                digits: 5
                decimals: 2
                litColor: "orange"
                leadingZeros: false
                leadingPlusMinus: false
                value: slider.value
            }
            Slider {
                id: slider
                Layout.fillWidth: true
                from: 0
                to: 99.99
                value: 42.5
            }
        }

        LEDDisplay {
            Layout.fillWidth: true
            Layout.fillHeight: true
            fitToSize: true
            digits: 5
            decimals: 2
            captionUpper: "Supply"
            captionLow: "Volt"
            value: setPoint.value * 0.9
        }

        LEDDisplay {
            id: level
            digits: 4
            decimals: 1
            litColor: "deepskyblue"
            leadingZeros: false
            leadingPlusMinus: false
            NumberAnimation on value {
                from: 0
                to: 100
                duration: 4000
                loops: Animation.Infinite
            }
        }

        LEDDisplay {
            id: counter
            decimals: 0
            digits: 6
            leadingZeros: true
            leadingPlusMinus: false
            litColor: "lime"
            Timer {
                interval: 150
                running: true
                repeat: true
                onTriggered: counter.value = (counter.value + 1) % 1000000
            }
        }

        Item {
            Layout.columnSpan: 2
            Layout.fillWidth: true
            implicitHeight: heading.implicitHeight + 20

            Image {
                anchors.fill: parent
                source: "Backdrop.png"
                fillMode: Image.Tile
            }
            LEDDisplay {
                id: heading
                anchors.centerIn: parent
                transparent: true
                borderStyle: LEDDisplay.BorderNone
                digits: 5
                decimals: 1
                litColor: "white"
                unlitColor: "#3a4a70"
                leadingZeros: false
                leadingPlusMinus: false
                captionUpper: "Heading"
                captionUpperForeColor: "white"
                value: slider.value * 3.6
            }
        }
    }
}
