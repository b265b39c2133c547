// A modal window of the page: over a veil that takes every pointer, holding the keyboard's
// focus until it closes, and giving the focus back to where it was.
import { place } from "./scale.js";

export function makeDialog(role, className) {
    const veil = document.createElement("div");
    veil.className = "veil";
    const dialog = document.createElement("div");
    dialog.className = `dialog ${className}`;
    dialog.setAttribute("role", role);
    dialog.setAttribute("aria-modal", "true");
    const title = document.createElement("div");
    title.className = "title";
    title.id = `${className}-title`;
    dialog.setAttribute("aria-labelledby", title.id);
    const body = document.createElement("div");
    body.className = "body";
    dialog.append(title, body);
    veil.append(dialog);
    veil.hidden = true;
    // A click beside the window leaves the focus in it, as the desktop's modal windows do.
    veil.addEventListener("pointerdown", (event) => {
        if (event.target === veil) event.preventDefault();
    });
    dialog.addEventListener("keydown", (event) => {
        if (event.key !== "Tab") return;
        const stops = [...dialog.querySelectorAll("[tabindex='0'], input, button")].filter(
            (element) => !element.hidden && element.offsetParent !== null);
        if (stops.length === 0) return;
        const at = stops.indexOf(document.activeElement);
        const next = (at + (event.shiftKey ? stops.length - 1 : 1)) % stops.length;
        stops[next].focus();
        event.preventDefault();
    });
    document.getElementById("dialogs").append(veil);
    let returnFocus = null;
    return {
        dialog, title, body,
        get open() { return !veil.hidden; },
        // Shows it; first() gives the element that takes the focus when it opens.
        show(first) {
            if (!veil.hidden) return;
            returnFocus = document.activeElement;
            veil.hidden = false;
            first()?.focus();
        },
        hide() {
            if (veil.hidden) return;
            veil.hidden = true;
            if (returnFocus?.isConnected) returnFocus.focus();
            returnFocus = null;
        },
        // Its inner size in twips, at the page's scale.
        size(width, height) {
            place(body, 0, 0, width, height);
            body.style.position = "relative";
            body.style.left = body.style.top = "";
        },
    };
}
