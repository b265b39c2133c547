// The help window beside the game: "Back", "Forward" and "Exit" over the shipped help page,
// shown read-only in a frame of its own (no script of it runs). Links within the page go
// through the model's history; links to other sites open in a new tab. Each time the window
// becomes the active one the model shows the page afresh, as on the desktop.
import { currentScale, font, place } from "./scale.js";

const Margin = 8;
// The smallest window a drag leaves, in CSS pixels at scale 1: the buttons and a strip of page.
const SmallestWidth = 320;
const SmallestHeight = 200;
let view = null;
let send = null;

// The site's copy of the page the model names: the shipped help page is served beside the game.
function split(address) {
    const hash = address.indexOf("#");
    const path = hash < 0 ? address : address.slice(0, hash);
    return { path, fragment: hash < 0 ? "" : address.slice(hash + 1) };
}

function siteFile(path) {
    const name = path.slice(path.lastIndexOf("/") + 1);
    return /^[\w.-]+\.html?$/i.test(name) ? name : "";
}

function mount(_parent, post) {
    send = (control, action, index = 0, text = "") => post("help", control, action, index, 1, 0, text);
    const root = document.createElement("div");
    root.className = "dialog help";
    root.setAttribute("role", "dialog");
    root.setAttribute("aria-modal", "false");
    root.setAttribute("aria-labelledby", "help-title");
    root.hidden = true;
    const title = document.createElement("div");
    title.className = "title";
    title.id = "help-title";
    const body = document.createElement("div");
    body.className = "body";
    const buttons = [0, 1, 2].map((index) => {
        const button = document.createElement("button");
        button.type = "button";
        button.className = "push-button";
        button.addEventListener("click", () => send("Command", "click", index));
        return button;
    });
    const grip = document.createElement("div");
    grip.className = "grip";
    grip.setAttribute("aria-hidden", "true");
    resizeBy(grip);
    body.append(...buttons);
    root.append(title, body, grip);
    // Coming to the window from elsewhere makes it the active one.
    root.addEventListener("focusin", (event) => {
        if (view.quietFocus) view.quietFocus = false;
        else if (!root.contains(event.relatedTarget)) send("form", "activate");
    });
    view = { root, title, body, buttons, page: null, shownSteps: -1, file: "" };
    document.getElementById("dialogs").append(root);
}

// The window's corner grip resizes it as the desktop's frame does: the model lays the page out
// anew for each size, at most once a frame.
function resizeBy(grip) {
    let drag = null;
    let pending = null;
    grip.addEventListener("pointerdown", (event) => {
        if (!model) return;
        event.preventDefault();
        grip.setPointerCapture(event.pointerId);
        const zoom = Number(view.root.style.zoom) || 1;
        drag = { x: event.clientX, y: event.clientY, width: view.body.offsetWidth,
            height: view.body.offsetHeight, zoom };
    });
    grip.addEventListener("pointermove", (event) => {
        if (!drag) return;
        const scale = currentScale();
        const twips = (pixels, smallest) => Math.round(Math.max(pixels / scale, smallest) * 15);
        const width = drag.width + (event.clientX - drag.x) / drag.zoom;
        const height = drag.height + (event.clientY - drag.y) / drag.zoom;
        const size = `${twips(width, SmallestWidth)} ${twips(height, SmallestHeight)}`;
        if (pending === null) requestAnimationFrame(() => {
            send("form", "resize", 0, pending);
            pending = null;
        });
        pending = size;
    });
    const end = () => {
        drag = null;
    };
    grip.addEventListener("pointerup", end);
    grip.addEventListener("pointercancel", end);
}

function pageLoaded() {
    const document = view.page.contentDocument;
    if (!document || !model) return;
    document.addEventListener("click", (event) => {
        const link = event.target.closest?.("a[href]");
        if (!link) return;
        event.preventDefault();
        const href = link.getAttribute("href");
        const { path } = split(model.page.address);
        if (href.startsWith("#")) {
            send("page", "navigate", 0, path + href);
        } else if (/^(https?:|mailto:)/i.test(href)) {
            window.open(href, "_blank", "noopener");
        } else if (!/^[a-z][\w+.-]*:/i.test(href)) {
            send("page", "navigate", 0, path.slice(0, path.lastIndexOf("/") + 1) + href);
        }
    });
    paintPage();
    showPlace();
}

// The page on the window's colour, its text and links in colours that read on it.
function paintPage() {
    const document = view.page.contentDocument;
    if (!document?.head) return;
    let style = document.getElementById("kalder-look");
    if (!style) {
        style = document.createElement("style");
        style.id = "kalder-look";
        document.head.append(style);
    }
    // Text at the page's own size, never enlarged for a phone's screen.
    style.textContent = "html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }" +
        ` body { background: ${model.back}; color: ${model.page.text}; }` +
        ` a { color: ${model.page.link}; }`;
}

// The place the model shows: a named place in the page, or its start.
function showPlace() {
    const document = view.page.contentDocument;
    if (!document) return;
    const { fragment } = split(model.page.address);
    const target = fragment &&
        (document.getElementById(fragment) || document.getElementsByName(fragment)[0]);
    if (target) target.scrollIntoView();
    else view.page.contentWindow.scrollTo(0, 0);
}

// The frame is made when the window first shows: a frame costs the page's start a document.
function frame() {
    if (view.page) return view.page;
    view.page = document.createElement("iframe");
    view.page.setAttribute("sandbox", "allow-same-origin");
    view.page.title = "Help text";
    view.page.addEventListener("load", pageLoaded);
    view.body.append(view.page);
    return view.page;
}

function renderPage() {
    frame();
    const page = model.page;
    place(view.page, page.left, page.top, page.width, page.height);
    if (page.steps === view.shownSteps) {
        paintPage();
        return;
    }
    view.shownSteps = page.steps;
    const file = siteFile(split(page.address).path);
    if (file && file === view.file && view.page.contentDocument?.readyState === "complete") {
        paintPage();
        showPlace();
        return;
    }
    view.file = file;
    view.page.src = file || "about:blank";
}

// Beside the game where there is room for it there at down to half its size, else over the
// game, as large as the viewport lets it be. The zoom scales the window's own place too.
function position() {
    const game = document.getElementById("game").getBoundingClientRect();
    view.root.style.zoom = "";
    view.root.style.maxWidth = view.root.style.maxHeight = "none";
    const width = view.root.offsetWidth;
    const height = view.root.offsetHeight;
    const tall = (window.innerHeight - 2 * Margin) / height;
    const right = window.innerWidth - game.right - 2 * Margin;
    const left = game.left - 2 * Margin;
    const beside = Math.min(1, Math.max(right, left) / width, tall);
    const zoom = beside >= 0.5 ? beside : Math.min(1, (window.innerWidth - 2 * Margin) / width, tall);
    let x = (window.innerWidth - width * zoom) / 2;
    if (beside >= 0.5) x = right >= left ? game.right + Margin : game.left - Margin - width * zoom;
    const y = Math.max(Margin, Math.min(game.top, window.innerHeight - Margin - height * zoom));
    view.root.style.zoom = zoom < 1 ? String(zoom) : "";
    view.root.style.left = `${x / zoom}px`;
    view.root.style.top = `${y / zoom}px`;
}

let model = null;

function render(help) {
    model = help;
    if (!help) {
        view.root.hidden = true;
        return;
    }
    view.title.textContent = help.caption;
    place(view.body, 0, 0, help.width, help.height);
    view.body.style.position = "relative";
    view.body.style.left = view.body.style.top = "";
    view.body.style.background = help.back;
    help.buttons.forEach((state, index) => {
        const button = view.buttons[index];
        button.textContent = state.caption;
        place(button, state.left, state.top, state.width, state.height);
        button.style.background = state.back;
        button.style.color = state.fore;
        font(button, help.font.name, help.font.size, help.font.bold, help.font.italic);
    });
    renderPage();
    if (!view.root.hidden) return;
    // Shown is activated: the model has heard of it already.
    view.root.hidden = false;
    position();
    view.quietFocus = true;
    view.buttons[0].focus();
}

export default { mount, render };
