// The Options dialog, modal: the framed colour picker, contrast bar and scheme list, and its
// six buttons. A click on a scheme previews it; the arrow keys move the selection and Space or
// Enter previews it as a click does. Escape leaves as the frame's close box does (Exit).
import { makeDialog } from "./dialog.js";
import { makeBoxControl, renderBoxControl } from "./box_control.js";
import { ColPikView } from "./col_pik.js";
import { font, place } from "./scale.js";
import { frameWindow } from "./window_fit.js";

let view = null;
let send = null;
let model = null;

function mount(_parent, post) {
    send = (control, action, index = 0, button = 1, shift = 0, text = "") =>
        post("options", control, action, index, button, shift, text);
    view = makeDialog("dialog", "options");
    const group = document.createElement("div");
    group.className = "frame";
    group.setAttribute("role", "group");
    const legend = document.createElement("span");
    legend.className = "legend";
    const picker = new ColPikView(send);
    const pickerBox = document.createElement("div");
    pickerBox.className = "picker";
    pickerBox.append(picker.element);
    const contrast = document.createElement("input");
    contrast.type = "range";
    contrast.addEventListener("input", () => send("ContrastV", "change", 0, 1, 0, contrast.value));
    // Page Up and Page Down move the bar by its large step, as the desktop's do.
    contrast.addEventListener("keydown", (event) => {
        const sign = { PageUp: 1, PageDown: -1 }[event.key];
        if (!sign) return;
        event.preventDefault();
        send("ContrastV", "change", 0, 1, 0, String(Number(contrast.value) + sign * model.contrast.page));
    });
    const list = document.createElement("div");
    list.className = "list";
    list.setAttribute("role", "listbox");
    list.tabIndex = 0;
    list.addEventListener("keydown", listKey);
    group.append(legend, pickerBox, contrast, list);
    view.body.append(group);
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key !== "Escape") return;
        event.preventDefault();
        send("frame", "close");
    });
    Object.assign(view, { group, legend, picker, pickerBox, contrast, list, buttons: new Map() });
}

function listKey(event) {
    const list = model.list;
    const steps = { ArrowUp: -1, ArrowDown: 1, Home: -list.items.length, End: list.items.length };
    if (event.key in steps) {
        event.preventDefault();
        const last = list.items.length - 1;
        const from = list.index < 0 ? (steps[event.key] > 0 ? -1 : last + 1) : list.index;
        if (last >= 0) send("List1", "select", Math.max(0, Math.min(last, from + steps[event.key])));
    } else if (event.key === " " || event.key === "Enter") {
        event.preventDefault();
        send("List1", "up", list.index);
    }
}

function renderList() {
    const { list } = view;
    const state = model.list;
    place(list, state.left, state.top, state.width, state.height);
    list.setAttribute("aria-label", state.name);
    list.style.background = state.back;
    list.style.color = state.fore;
    font(list, state.font.name, state.font.size, state.font.bold, state.font.italic);
    while (list.children.length > state.items.length) list.lastChild.remove();
    while (list.children.length < state.items.length) {
        const row = list.children.length;
        const option = document.createElement("div");
        option.id = `options-scheme-${row}`;
        option.setAttribute("role", "option");
        option.addEventListener("pointerup", () => send("List1", "up", row));
        list.append(option);
    }
    state.items.forEach((text, row) => {
        list.children[row].textContent = text;
        list.children[row].setAttribute("aria-selected", String(row === state.index));
    });
    const chosen = list.children[state.index];
    if (chosen) {
        list.setAttribute("aria-activedescendant", chosen.id);
        chosen.scrollIntoView({ block: "nearest" });
    } else {
        list.removeAttribute("aria-activedescendant");
    }
}

function renderButtons() {
    for (const { name, control } of model.buttons) {
        let button = view.buttons.get(name);
        if (!button) {
            button = makeBoxControl((action, mouse, shift) => send(name, action, 0, mouse, shift));
            view.buttons.set(name, button);
            view.body.append(button);
        }
        renderBoxControl(button, control);
    }
}

function render(options) {
    model = options;
    if (!options) {
        view.hide();
        return;
    }
    frameWindow(view, options);
    const frame = options.frame;
    place(view.group, frame.left, frame.top, frame.width, frame.height);
    Object.assign(view.group.style, { background: frame.back, color: frame.fore, borderColor: frame.fore });
    view.group.setAttribute("aria-label", frame.caption);
    view.legend.textContent = frame.caption;
    font(view.legend, frame.font.name, frame.font.size, frame.font.bold, frame.font.italic);
    view.legend.style.background = frame.back;
    const picker = options.picker;
    place(view.pickerBox, picker.left, picker.top, picker.width, picker.height);
    view.picker.render(picker.control);
    const contrast = options.contrast;
    place(view.contrast, contrast.left, contrast.top, contrast.width, contrast.height);
    view.contrast.setAttribute("aria-label", contrast.name);
    Object.assign(view.contrast, { min: contrast.min, max: contrast.max, step: contrast.step });
    if (view.contrast.value !== String(contrast.value)) view.contrast.value = String(contrast.value);
    renderList();
    renderButtons();
    view.show(() => view.list);
}

export default { mount, render };
