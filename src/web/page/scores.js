// The scores panel laid over the board: the frame with its caption, the column headings and
// row titles, the session and total counts, "Close" and "Clear" (any mouse button).
import { pressable } from "./press.js";
import { font, place } from "./scale.js";

let panel = null;
let frame = null;
let caption = null;
let headings = [];
let counters = [];
let buttons = [];

function withFont(element, face) {
    font(element, face.name, face.size, face.bold, face.italic);
}

function mount(parent, post) {
    panel = document.createElement("section");
    panel.className = "scores";
    panel.hidden = true;
    panel.setAttribute("aria-labelledby", "scores-caption");
    frame = document.createElement("div");
    frame.className = "frame";
    caption = document.createElement("span");
    caption.className = "legend";
    caption.id = "scores-caption";
    panel.append(frame, caption);
    buttons = ["Command1", "Command2"].map((control) => {
        const button = document.createElement("button");
        button.type = "button";
        pressable(button, {
            down: () => {},
            up: (mouseButton, shift) => post("scores", control, "up", 0, mouseButton, shift),
            cancel: () => {},
        });
        frame.append(button);
        return button;
    });
    // A press on the panel never reaches the board beneath.
    panel.addEventListener("pointerup", (event) => event.stopPropagation());
    parent.append(panel);
}

function label(list, index, className) {
    if (!list[index]) {
        list[index] = document.createElement("div");
        list[index].className = className;
        frame.append(list[index]);
    }
    return list[index];
}

function render(scores) {
    panel.hidden = !scores;
    if (!scores) return;
    place(panel, scores.left, scores.top, scores.width, scores.height);
    panel.style.background = scores.back;
    panel.style.color = scores.fore;
    const box = scores.frame;
    place(frame, box.left, box.top, box.width, box.height);
    frame.style.borderColor = scores.fore;
    caption.textContent = scores.caption;
    withFont(caption, scores.frameFont);
    caption.style.background = scores.back;
    scores.headings.forEach((heading, i) => {
        const element = label(headings, i, "heading");
        element.textContent = heading.text;
        element.style.textAlign = heading.rightAligned ? "right" : "left";
        place(element, heading.left, heading.top, heading.width, heading.height);
        withFont(element, scores.headingFont);
    });
    scores.counters.forEach((counter, i) => {
        const columns = [
            [counter.session, counter.sessionName, scores.sessionLeft],
            [counter.total, counter.totalName, scores.totalLeft],
        ];
        columns.forEach(([text, name, left], column) => {
            const element = label(counters, 2 * i + column, "counter");
            element.textContent = text;
            element.setAttribute("aria-label", name);
            element.setAttribute("role", "note");
            place(element, left, counter.top, scores.counterWidth, scores.counterHeight);
            withFont(element, scores.counterFont);
        });
    });
    scores.buttons.forEach((model, i) => {
        const button = buttons[i];
        button.textContent = model.text;
        place(button, model.left, model.top, model.width, model.height);
        withFont(button, scores.buttonFont);
        Object.assign(button.style, { background: scores.back, color: scores.fore, borderColor: scores.fore });
    });
}

export default { mount, render };
