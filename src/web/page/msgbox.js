// The game's styled message box: an alert dialog of its text, icon and buttons, as the model
// lays them out. Left and Right move between the buttons, Escape closes it as its close box.
import { makeDialog } from "./dialog.js";
import { makeBoxControl, renderBoxControl } from "./box_control.js";
import { font, place, px } from "./scale.js";

// The frame and title bar the model's outer size allows for, as on the desktop.
const FrameWidth = 120;
const FrameHeight = 465;
const IconPlace = [90, 90, 480, 480];

let view = null;
let label = null;
let icons = null;
const buttons = [];

function mount(_parent, post) {
    view = makeDialog("alertdialog", "msgbox");
    label = document.createElement("div");
    label.className = "label";
    label.id = "msgbox-text";
    view.dialog.setAttribute("aria-describedby", label.id);
    icons = document.createElement("div");
    icons.className = "icons";
    view.body.append(icons, label);
    for (let i = 0; i < 3; ++i) {
        const button = makeBoxControl((action, mouseButton, shift) =>
            post("msgbox", "cmd", action, i, mouseButton, shift));
        buttons.push(button);
        view.body.append(button);
    }
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key === "Escape") {
            event.preventDefault();
            post("msgbox", "frame", "close");
        } else if (event.key === "ArrowLeft" || event.key === "ArrowRight") {
            const shown = buttons.filter((b) => !b.hidden);
            const at = shown.indexOf(document.activeElement);
            const step = event.key === "ArrowRight" ? 1 : shown.length - 1;
            shown[(at + step) % shown.length]?.focus();
            event.preventDefault();
        }
    });
}

function render(box) {
    if (!box) {
        view.hide();
        return;
    }
    view.title.textContent = box.title;
    view.size(box.width - FrameWidth, box.height - FrameHeight);
    view.body.style.background = box.back;
    const text = box.label;
    label.textContent = text.text.replaceAll("\r", "");
    place(label, text.left, text.top, text.width + 120, text.height);
    label.style.background = text.back;
    label.style.color = text.fore;
    font(label, text.font, text.size, text.bold, text.italic);
    icons.replaceChildren(...box.icons.map((name) => {
        const icon = document.createElement("img");
        icon.src = `icons/${name}.svg`;
        icon.alt = "";
        place(icon, ...IconPlace);
        return icon;
    }));
    box.buttons.forEach((model, i) => renderBoxControl(buttons[i], model));
    view.show(() => buttons[box.defaultButton]);
    icons.style.height = `${px(IconPlace[3])}px`;
}

export default { mount, render };
