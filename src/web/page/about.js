// The About box, modal: the text (a press on it ends the box), the version line, the icon and
// "OK". Escape goes to the model, which takes it as "OK" does.
import { makeDialog } from "./dialog.js";
import { makeBoxControl, renderBoxControl } from "./box_control.js";
import { font, place } from "./scale.js";
import { frameWindow } from "./window_fit.js";

const KeyEscape = 27;
let view = null;

function mount(_parent, post) {
    const send = (control, action, index = 0, button = 1, shift = 0) =>
        post("about", control, action, index, button, shift);
    view = makeDialog("dialog", "about");
    const text = document.createElement("div");
    text.className = "text";
    text.addEventListener("pointerdown", () => send("AboutText", "down"));
    const version = document.createElement("div");
    version.className = "version";
    const image = document.createElement("img");
    image.alt = "Kalder icon";
    const ok = makeBoxControl((action, button, shift) => send("aboutok", action, 0, button, shift));
    view.body.append(text, version, image, ok);
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key !== "Escape") return;
        event.preventDefault();
        send("form", "key", KeyEscape);
    });
    Object.assign(view, { text, version, image, ok });
}

function renderLabel(element, label) {
    element.textContent = label.caption.replaceAll("\r", "");
    place(element, label.left, label.top, label.width, label.height);
    element.style.background = label.back;
    element.style.color = label.fore;
    font(element, label.font.name, label.font.size, label.font.bold, label.font.italic);
}

function render(about) {
    if (!about) {
        view.hide();
        return;
    }
    frameWindow(view, about);
    renderLabel(view.text, about.text);
    renderLabel(view.version, about.version);
    const image = about.image;
    // Fetched and drawn when the box first shows, not while the page starts.
    view.image.src ||= "icons/kalder.svg";
    place(view.image, image.left, image.top, image.width, image.height);
    renderBoxControl(view.ok, about.ok);
    view.show(() => view.ok);
}

export default { mount, render };
