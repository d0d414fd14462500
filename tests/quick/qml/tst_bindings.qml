// The value as QML drives it: a binding to a Slider, a NumberAnimation and a Behavior.
import QtQuick
import QtQuick.Controls
import QtTest
import LedDisplay

Item {
    width: 400
    height: 200

    Slider {
        id: slider
        from: 0
        to: 99.99
        value: 10
    }

    LEDDisplay {
        id: bound
        digits: 4
        decimals: 2
        value: slider.value
    }

    LEDDisplay {
        id: animated
        digits: 4
        decimals: 1
        NumberAnimation on value {
            id: sweep
            running: false
            from: 0
            to: 50
            duration: 1000
        }
    }

    LEDDisplay {
        id: animationEnd
        digits: 4
        decimals: 1
        value: 50
    }

    LEDDisplay {
        id: smoothed
        digits: 4
        decimals: 1
        Behavior on value {
            NumberAnimation { duration: 1000 }
        }
    }

    SignalSpy {
        id: boundChanges
        target: bound
        signalName: "valueChanged"
    }

    SignalSpy {
        id: animatedChanges
        target: animated
        signalName: "valueChanged"
    }

    SignalSpy {
        id: smoothedChanges
        target: smoothed
        signalName: "valueChanged"
    }

    TestCase {
        name: "Bindings"
        when: windowShown

        function init() {
            boundChanges.clear()
            animatedChanges.clear()
            smoothedChanges.clear()
        }

        // Moving the slider (as a user's keys do) moves the display, shown digits too.
        function test_valueFollowsASlider() {
            slider.value = 12.5
            compare(bound.value, 12.5)
            compare(boundChanges.count, 1)
            const shown = bound.shownText
            slider.increase()
            verify(bound.value > 12.5)
            compare(bound.value, slider.value)
            verify(bound.shownText !== shown, "the shown text stayed " + shown)
            compare(boundChanges.count, 2)
        }

        // An animation on value passes through values between its ends and stops at the
        // last, which the display then shows.
        function test_numberAnimationDrivesTheValue() {
            sweep.start()
            tryVerify(function() { return !sweep.running }, 5000)
            compare(animated.value, 50)
            verify(animatedChanges.count > 1, animatedChanges.count + " changes")
            compare(animated.shownText, animationEnd.shownText)
        }

        // A Behavior takes the assignment and moves there over time.
        function test_behaviorSmoothsAnAssignment() {
            smoothed.value = 40
            verify(smoothed.value < 40, "the Behavior was bypassed")
            tryCompare(smoothed, "value", 40, 5000)
            verify(smoothedChanges.count > 1, smoothedChanges.count + " changes")
        }
    }
}
