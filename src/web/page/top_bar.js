// The main window's top bar: the three arrows, the number box, Reset, Create, Undo and the
// grid-size box with its grade pips. The buttons take the right button as well (their second
// meanings are the game's); Enter in the number box goes to that puzzle.
import { makeBoxControl, renderBoxControl } from "./box_control.js";
import { font, place, px } from "./scale.js";

const Buttons = ["arrows0", "arrows1", "arrows2", "cmdreset", "cmdcreate", "cmdundo"];

const buttons = new Map();
let puzNum = null;
let gsize = null;
// Texts typed and sent but not yet seen back in the model: the box keeps what is typed until
// the model has caught up, and shows the model's own text once it sets one.
let echoes = [];

function controlOf(name) {
    return name.startsWith("arrows") ? ["arrows", Number(name.slice(6))] : [name, 0];
}

function mount(parent, post) {
    const bar = document.createElement("div");
    bar.className = "top-bar";
    bar.setAttribute("role", "toolbar");
    bar.setAttribute("aria-label", "Top bar");
    for (const name of Buttons) {
        const [control, index] = controlOf(name);
        const button = makeBoxControl((action, mouseButton, shift) =>
            post("form1", control, action, index, mouseButton, shift));
        buttons.set(name, button);
    }
    puzNum = document.createElement("input");
    puzNum.className = "puz-num";
    puzNum.setAttribute("aria-label", "Puzzle number");
    puzNum.inputMode = "numeric";
    puzNum.autocomplete = "off";
    puzNum.addEventListener("input", () => {
        echoes.push(puzNum.value);
        post("form1", "puzNum", "change", 0, 0, 0, puzNum.value);
    });
    puzNum.addEventListener("keydown", (event) => {
        if (event.key !== "Enter") return;
        event.preventDefault();
        post("form1", "puzNum", "key", 13);
    });
    gsize = document.createElement("div");
    gsize.className = "grid-size";
    gsize.setAttribute("role", "img");
    const caption = document.createElement("span");
    caption.setAttribute("aria-hidden", "true");
    const pips = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    pips.classList.add("pips");
    pips.setAttribute("aria-hidden", "true");
    gsize.append(caption, pips);
    // Tab runs as the eye reads: the arrows, the number box, then Reset, Create and Undo.
    bar.append(buttons.get("arrows0"), buttons.get("arrows1"), buttons.get("arrows2"), puzNum,
        buttons.get("cmdreset"), buttons.get("cmdcreate"), buttons.get("cmdundo"), gsize);
    parent.append(bar);
}

function render(form) {
    for (const name of Buttons) renderBoxControl(buttons.get(name), form.buttons[name]);
    place(puzNum, 1260, 60, 1875, 370);
    font(puzNum, "Courier New", 9.75, false, false);
    puzNum.style.background = form.puzNum.back;
    const echo = echoes.indexOf(form.puzNum.text);
    if (echo >= 0) {
        echoes = echoes.slice(echo + 1);
    } else {
        echoes = [];
        if (puzNum.value !== form.puzNum.text) puzNum.value = form.puzNum.text;
    }
    puzNum.title = form.puzNum.tip;
    const model = form.gsize;
    place(gsize, 4350, 60, 480, 390);
    font(gsize, "Arial", 12, true, false);
    gsize.style.background = model.back;
    gsize.style.color = model.fore;
    gsize.title = model.tip;
    gsize.setAttribute("aria-label", model.name);
    gsize.setAttribute("aria-description", model.description);
    gsize.firstChild.textContent = model.caption;
    drawGrade(gsize.lastChild, model.grade, model.hardest, px(4350 + 480) - px(4350),
        px(60 + 390) - px(60));
}

// The grade as a level: a row of dots along the box's foot, as many filled as the grade, the
// rest rings, clear of the centred digit.
function drawGrade(pips, grade, hardest, width, height) {
    pips.setAttribute("width", width);
    pips.setAttribute("height", height);
    if (grade <= 0) {
        pips.replaceChildren();
        return;
    }
    const pip = height / 9;
    const step = pip * 1.5;
    const left = (width - step * (hardest - 1) - pip) / 2;
    const top = height - pip * 1.35;
    const ring = Math.max(1, pip / 5);
    const dots = [];
    for (let i = 0; i < hardest; ++i) {
        const cx = left + i * step + pip / 2;
        const filled = i < grade;
        const r = filled ? pip / 2 : (pip - ring) / 2;
        dots.push(`<circle cx="${cx}" cy="${top + pip / 2}" r="${r}" ` +
            (filled ? `fill="currentColor"/>` : `fill="none" stroke="currentColor" stroke-width="${ring}"/>`));
    }
    pips.innerHTML = dots.join("");
}

export default { mount, render };
