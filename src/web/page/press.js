// How the page's pointers and keys become the mouse buttons the game's handlers take: a click
// or tap is the left button, a right click or a long press the right one, Space and Enter the
// left one (with Shift, or the Menu key, the right one).

export const LeftButton = 1;
export const RightButton = 2;
const LongPress = 500;

export function shiftState(event) {
    return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

export function keyButton(event) {
    if (event.key === "ContextMenu") return RightButton;
    if (event.key !== " " && event.key !== "Enter") return 0;
    return event.shiftKey ? RightButton : LeftButton;
}

// Calls down(button, shift) when a press starts and up(button, shift) when it ends on the
// element; cancel() when it goes elsewhere. A press from assistive technology (a click with no
// pointer) is both at once.
export function pressable(element, { down, up, cancel }) {
    let pressed = 0;
    let timer = 0;
    let keyHeld = 0;
    element.addEventListener("pointerdown", (event) => {
        if (event.button !== 0 && event.button !== 2) return;
        element.setPointerCapture?.(event.pointerId);
        pressed = event.button === 2 ? RightButton : LeftButton;
        down(pressed, shiftState(event));
        if (event.pointerType === "touch") {
            timer = setTimeout(() => {
                timer = 0;
                cancel();
                pressed = RightButton;
                down(pressed, 0);
            }, LongPress);
        }
    });
    const end = (event, released) => {
        clearTimeout(timer);
        timer = 0;
        if (!pressed) return;
        const button = pressed;
        pressed = 0;
        const rect = element.getBoundingClientRect();
        const inside = event.clientX >= rect.left && event.clientX < rect.right &&
            event.clientY >= rect.top && event.clientY < rect.bottom;
        if (released && inside) up(button, shiftState(event));
        else cancel();
    };
    element.addEventListener("pointerup", (event) => end(event, true));
    element.addEventListener("pointercancel", (event) => end(event, false));
    element.addEventListener("contextmenu", (event) => event.preventDefault());
    element.addEventListener("click", (event) => {
        if (event.detail !== 0 || keyHeld) return;
        down(LeftButton, 0);
        up(LeftButton, 0);
    });
    element.addEventListener("keydown", (event) => {
        const button = keyButton(event);
        if (!button) return;
        event.preventDefault();
        event.stopPropagation();
        if (event.repeat || keyHeld) return;
        keyHeld = button;
        down(button, shiftState(event));
    });
    element.addEventListener("keyup", (event) => {
        if (!keyButton(event) || !keyHeld) return;
        event.preventDefault();
        const button = keyHeld;
        keyHeld = 0;
        up(button, shiftState(event));
    });
    element.addEventListener("blur", () => {
        if (keyHeld) cancel();
        keyHeld = 0;
    });
}
