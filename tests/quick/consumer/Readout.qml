// The whole interface of a program that links none of our libraries: `import LedDisplay`
// loads the module's plugin, and the plugin its backing library.
import QtQuick
import LedDisplay

LEDDisplay {
    digits: 7
    decimals: 1
    value: 1234.5
}
