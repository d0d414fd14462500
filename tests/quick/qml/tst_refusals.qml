// What a QML author sees of a refused value or an overflow declared in the item itself:
// the handlers declared beside it hear them once the item is complete, and the console
// warns, naming the property and the value.
import QtQuick
import QtTest
import LedDisplay

Item {
    id: root
    width: 400
    height: 200

    function make(properties) {
        return Qt.createQmlObject(
            "import LedDisplay\nLEDDisplay {\n" +
            "    property var errors: []\n" +
            "    property int overflows: 0\n" +
            "    onErrorOccurred: (number, description) => errors.push(number + ' ' + description)\n" +
            "    onOverflow: overflows += 1\n" +
            "    " + properties + "\n}", root, "Declared.qml")
    }

    LEDDisplay {
        id: declared
        property var errors: []
        digits: 99999
        onErrorOccurred: (number, description) => errors.push(number + " " + description)
    }

    TestCase {
        name: "Refusals"
        when: windowShown

        // Declared in this very file, before the handler below it is connected.
        function test_aRefusalDeclaredInThisFileReachesItsHandler() {
            compare(declared.errors.length, 1)
            compare(declared.errors[0], LEDDisplay.Overflow + " digits: Overflow")
            compare(declared.digits, 4)
        }

        function test_declaredRefusalsReachTheDeclaredHandlers_data() {
            return [
                { tag: "beyond 16 bits", properties: "digits: 99999", property: "digits",
                  warning: /digits: 99999 refused: Overflow \(6\)/, number: LEDDisplay.Overflow },
                { tag: "semi-transparent colour", properties: "litColor: Qt.rgba(1, 0, 0, 0.5)",
                  property: "litColor", warning: /litColor: .* refused: .*\(380\)/,
                  number: LEDDisplay.InvalidPropertyValue },
            ]
        }

        function test_declaredRefusalsReachTheDeclaredHandlers(row) {
            ignoreWarning(row.warning)
            const display = make(row.properties)
            compare(display.errors.length, 1)
            verify(display.errors[0].startsWith(row.number + " " + row.property + ": "),
                   display.errors[0])
            display.destroy()
        }

        // The value overflowed while QML set it: the handler hears it once complete; a
        // value that fits once the digits are set is no overflow.
        function test_declaredOverflowReachesTheDeclaredHandler() {
            const over = make("digits: 3; decimals: 0; value: 12345")
            compare(over.overflows, 1)
            compare(over.overRange, true)
            over.destroy()
            const fits = make("value: 12345; digits: 6; decimals: 0")
            compare(fits.overflows, 0)
            fits.destroy()
        }

        // The shown text is a property a binding follows.
        function test_shownTextIsBindable() {
            const display = make("digits: 3; decimals: 0; leadingZeros: true; value: 0")
            const label = Qt.createQmlObject(
                "import QtQuick\nText { }", root, "Label.qml")
            label.text = Qt.binding(() => display.shownText)
            const before = label.text
            display.value = 42
            compare(label.text, display.shownText)
            verify(label.text !== before, before)
            verify(label.text.endsWith("42"), label.text)
            label.destroy()
            display.destroy()
        }
    }
}
