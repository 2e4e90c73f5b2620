"""What Firefox's BiDi and WebKit's classic WebDriver share: keys and pointer
moves as WebDriver's action sequences, and a free port for the browser's
server."""

import socket

# DOM key names as WebDriver's code points; any other key is its character.
_KEYS = {"Enter": "\ue007", "Escape": "\ue00c", "F10": "\ue03a", "Shift": "\ue008"}
_BUTTONS = {"left": 0, "right": 2}


def key_press(key, shift=False):
    """One press of the key, with Shift held around it when asked."""
    value = _KEYS.get(key, key)
    actions = [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
    if shift:
        held = _KEYS["Shift"]
        actions = [{"type": "keyDown", "value": held}, *actions, {"type": "keyUp", "value": held}]
    return [{"type": "key", "id": "keyboard", "actions": actions}]


def mouse_click(x, y, button):
    """A click of the button at the viewport's CSS pixel (x, y)."""
    number = _BUTTONS[button]
    return [
        {
            "type": "pointer",
            "id": "mouse",
            "parameters": {"pointerType": "mouse"},
            "actions": [
                {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport"},
                {"type": "pointerDown", "button": number},
                {"type": "pointerUp", "button": number},
            ],
        }
    ]


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Input:
    """Keys and clicks for an engine that performs action sequences with its
    own _perform(actions)."""

    def press_key(self, key, shift=False):
        self._perform(key_press(key, shift))

    def click(self, x, y, button="left"):
        self._perform(mouse_click(x, y, button))
