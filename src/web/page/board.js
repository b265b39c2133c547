// The board of the main window: each cell a real button named as a screen reader says it on
// the desktop, with the frame, the move line, the arrow and the giver ring drawn over it.
// The arrow keys move the keyboard's cursor over the cells (the selection follows it), Space
// or Enter clicks the cell under it, Escape cancels a selection.
import { place, px, currentScale } from "./scale.js";
import { pressable, LeftButton } from "./press.js";

let post = null;
let root = null;
let lines = null;
const cells = new Map(); // index -> button
let model = null;
let keyboardCell = 0;
// The hint's event whose state takes the cursor to the hinted cell; 0 for none.
let followAfter = 0;

function cellAt(row, column) {
    return model.cells.find((cell) => cell.row === row && cell.column === column);
}

function makeCell(index) {
    const button = document.createElement("button");
    button.className = "cell";
    button.type = "button";
    button.tabIndex = -1;
    pressable(button, {
        down: () => {},
        up: (mouseButton, shift) => {
            keyboardCell = index;
            post("form1", "cell", "up", index, mouseButton, shift);
        },
        cancel: () => {},
    });
    button.addEventListener("pointerenter", (event) => {
        if (event.pointerType === "touch" || !model || model.source < 1) return;
        post("form1", "cell", "move", index, 0, 0);
    });
    button.addEventListener("focus", () => {
        keyboardCell = index;
        syncTabStops();
    });
    button.addEventListener("keydown", (event) => moveCursor(event, index));
    return button;
}

const Steps = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };

function moveCursor(event, index) {
    if (event.key === "Escape") {
        event.preventDefault();
        post("form1", "key", "cancel");
        return;
    }
    const step = Steps[event.key];
    if (!step || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    const here = model.cells.find((cell) => cell.index === index);
    const size = Math.max(...model.cells.map((cell) => Math.max(cell.row, cell.column)));
    const clamp = (n) => Math.min(Math.max(n, 1), size);
    const next = cellAt(clamp(here.row + step[0]), clamp(here.column + step[1]));
    // The cursor stays on cells the player can see, as the pointer does.
    if (!next || next.index === index) return;
    keyboardCell = next.index;
    cells.get(next.index).focus();
    post("form1", "cell", "move", next.index, 0, 0);
}

// One cell takes Tab: the cursor's, else the giver's, else the first.
function syncTabStops() {
    if (!model) return;
    const shown = (k) => model.cells.some((cell) => cell.index === k);
    const stop = [keyboardCell, model.source, model.cells[0]?.index].find((k) => k > 0 && shown(k));
    for (const [index, button] of cells) button.tabIndex = index === stop ? 0 : -1;
}

// A ring in the scheme's colour between a dark and a light line, clear of the value.
function giverRing(ring) {
    const width = Math.max(2, Math.round(2 * currentScale()));
    return `inset 0 0 0 1px #000, inset 0 0 0 ${1 + width}px ${ring}, ` +
        `inset 0 0 0 ${2 + width}px #fff`;
}

function mount(parent, poster) {
    post = poster;
    root = document.createElement("div");
    root.className = "board";
    root.setAttribute("role", "group");
    root.setAttribute("aria-label", "Board");
    lines = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    lines.classList.add("marks");
    lines.setAttribute("aria-hidden", "true");
    parent.append(root, lines);
    // A click beside the cells cancels a selection, as a click on the window does.
    parent.addEventListener("pointerup", (event) => {
        if (event.target.closest(".cell, .box-control, input, .grid-size")) return;
        post("form1", "board", "up", 0, event.button === 2 ? 2 : LeftButton, 0);
    });
}

function render(form, state) {
    model = form;
    const shown = new Set(form.cells.map((cell) => cell.index));
    for (const [index, button] of cells) {
        if (!shown.has(index)) {
            button.remove();
            cells.delete(index);
        }
    }
    for (const cell of form.cells) {
        let button = cells.get(cell.index);
        if (!button) {
            button = makeCell(cell.index);
            cells.set(cell.index, button);
            root.append(button);
        }
        place(button, cell.left, cell.top, cell.width, cell.height);
        button.textContent = cell.caption;
        button.setAttribute("aria-label", cell.name);
        button.title = cell.tip;
        button.style.background = cell.back;
        button.style.color = cell.fore;
        button.style.fontSize = `${20 * currentScale()}px`;
        button.style.boxShadow = cell.index === form.source ? giverRing(form.giverRing) : "";
        button.style.setProperty("--focus-ring", form.focusRing);
        button.style.setProperty("--focus-edge", form.focusEdge);
    }
    if (!shown.has(keyboardCell)) keyboardCell = 0;
    if (followAfter && state.page.eventsTaken >= followAfter) {
        if (shown.has(form.target)) {
            keyboardCell = form.target;
            cells.get(form.target).focus();
        }
        followAfter = 0;
    }
    syncTabStops();
    drawMarks(form);
}

function drawMarks(form) {
    const shapes = form.shapes.map((s) => {
        const x = px(s.left), y = px(s.top);
        const w = px(s.left + s.width) - x, h = px(s.top + s.height) - y;
        const stroke = Math.max(1, currentScale());
        return `<rect x="${x + stroke / 2}" y="${y + stroke / 2}" width="${w - stroke}" ` +
            `height="${h - stroke}" fill="none" stroke="${s.colour}" stroke-width="${stroke}"/>`;
    });
    const line = form.line.visible
        ? [`<line x1="${px(form.line.x1)}" y1="${px(form.line.y1)}" x2="${px(form.line.x2)}" ` +
            `y2="${px(form.line.y2)}" stroke="${form.line.colour}" ` +
            `stroke-width="${2 * currentScale()}" stroke-linecap="round"/>`]
        : [];
    const arrows = form.arrows.map((a) =>
        `<image href="icons/${a.icon}.svg" x="${px(a.left)}" y="${px(a.top)}" ` +
        `width="${px(a.left + a.width) - px(a.left)}" height="${px(a.top + a.height) - px(a.top)}"/>`);
    lines.innerHTML = [...shapes, ...line, ...arrows].join("");
}

// The board's cursor goes to the hinted cell once the state has seen the hint's event.
function followHint(number) {
    followAfter = number;
}

// The board takes the keyboard at the start, as the desktop's board has the focus.
function focus() {
    const stop = [...cells.values()].find((button) => button.tabIndex === 0);
    stop?.focus();
}

export default { mount, render, followHint, focus };
