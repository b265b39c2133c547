// The help window beside the game: "Back", "Forward" and "Exit" over the shipped help page,
// shown read-only in a frame of its own (no script of it runs). Links within the page go
// through the model's history; links to other sites open in a new tab. Each time the window
// becomes the active one the model shows the page afresh, as on the desktop.
import { font, place, px } from "./scale.js";
import { fitToViewport } from "./window_fit.js";

const Margin = 8;
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
    const page = document.createElement("iframe");
    page.setAttribute("sandbox", "allow-same-origin");
    page.title = "Help text";
    page.addEventListener("load", pageLoaded);
    body.append(...buttons, page);
    root.append(title, body);
    // Coming to the window from elsewhere makes it the active one.
    root.addEventListener("focusin", (event) => {
        if (view.quietFocus) view.quietFocus = false;
        else if (!root.contains(event.relatedTarget)) send("form", "activate");
    });
    document.getElementById("dialogs").append(root);
    view = { root, title, body, buttons, page, shownSteps: -1, file: "" };
}

function pageLoaded() {
    const document = view.page.contentDocument;
    if (!document) return;
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
    style.textContent = `body { background: ${model.back}; color: ${model.page.text}; }` +
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

function renderPage() {
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

// Beside the game where the viewport has room, else over it.
function position() {
    const game = document.getElementById("game").getBoundingClientRect();
    const width = view.root.getBoundingClientRect().width;
    let left = (window.innerWidth - width) / 2;
    if (game.right + Margin + width <= window.innerWidth) left = game.right + Margin;
    else if (game.left - Margin - width >= 0) left = game.left - Margin - width;
    view.root.style.left = `${Math.max(0, left)}px`;
    view.root.style.top = `${Math.max(0, game.top)}px`;
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
    fitToViewport(view.root, px(help.width), px(help.height));
    if (!view.root.hidden) return;
    // Shown is activated: the model has heard of it already.
    view.root.hidden = false;
    position();
    view.quietFocus = true;
    view.buttons[0].focus();
}

export default { mount, render };
