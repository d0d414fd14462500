// autoSize against outside sizing, as QML's own items behave: the display keeps its
// auto extent as its implicit size and is drawn centred in whatever size it is given,
// the rest transparent; in a layout its maxima follow the implicit size unless set.
import QtQuick
import QtQuick.Layouts
import QtTest
import LedDisplay

Rectangle {
    width: 600
    height: 260
    color: "#336699"

    RowLayout {
        width: 600
        LEDDisplay { id: stretched; autoSize: true; Layout.fillWidth: true }
        Item { id: filler; Layout.fillWidth: true; height: 10 }
    }

    RowLayout {
        y: 80
        width: 600
        LEDDisplay { id: capped; autoSize: true; Layout.fillWidth: true; Layout.maximumWidth: 400 }
    }

    LEDDisplay { id: given; autoSize: true; y: 160; width: 301 }

    TestCase {
        name: "Sizing"
        when: windowShown

        // A stretching layout leaves the display its extent and gives the rest away.
        function test_aLayoutLeavesTheAutoExtent() {
            compare(stretched.width, stretched.implicitWidth)
            compare(stretched.Layout.maximumWidth, stretched.implicitWidth)
            verify(filler.width > 300, "filler " + filler.width)
            stretched.digits = 6
            tryCompare(stretched, "width", stretched.implicitWidth)
            compare(stretched.Layout.maximumWidth, stretched.implicitWidth)
            stretched.autoSize = false
            compare(stretched.Layout.maximumWidth, Number.POSITIVE_INFINITY)
            tryVerify(() => stretched.width > stretched.implicitWidth, 1000)
            stretched.autoSize = true
            tryCompare(stretched, "width", stretched.implicitWidth)
        }

        function test_theAuthorsMaximumStays() {
            compare(capped.Layout.maximumWidth, 400)
            compare(capped.width, 400)
        }

        // A width set from outside stays when what the display shows changes; the display
        // is drawn centred in it, the scene on each side.
        function test_aGivenWidthStaysAndTheDisplayIsCentred() {
            compare(given.width, 301)
            compare(given.height, given.implicitHeight)
            const image = grabImage(given)
            const margin = (301 - given.implicitWidth) / 2
            verify(Qt.colorEqual(image.pixel(margin / 2, 30), "#336699"), "left of the display")
            verify(Qt.colorEqual(image.pixel(300 - margin / 2, 30), "#336699"))
            verify(!Qt.colorEqual(image.pixel(150, 30), "#336699"))
            given.digits = 7
            compare(given.width, 301)
            verify(given.implicitWidth > 177, "implicit " + given.implicitWidth)
            given.digits = 4
        }
    }
}
