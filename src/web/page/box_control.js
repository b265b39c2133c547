// The program's own push button (the top bar's and the message box's): its surface as the
// model paints it, pressed and released with every mouse button.
import { font, place, px } from "./scale.js";
import { pressable } from "./press.js";

// Makes the button's element; post(action, button, shift) sends its events.
export function makeBoxControl(post) {
    const element = document.createElement("div");
    element.className = "box-control";
    element.setAttribute("role", "button");
    element.tabIndex = 0;
    const caption = document.createElement("span");
    caption.className = "caption";
    caption.setAttribute("aria-hidden", "true");
    const picture = document.createElement("img");
    picture.alt = "";
    picture.draggable = false;
    picture.setAttribute("aria-hidden", "true");
    const edges = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    edges.classList.add("edges");
    edges.setAttribute("aria-hidden", "true");
    element.append(caption, picture, edges);
    pressable(element, {
        down: (button, shift) => post("down", button, shift),
        up: (button, shift) => post("up", button, shift),
        cancel: () => post("cancel", 0, 0),
    });
    return element;
}

export function renderBoxControl(element, model) {
    place(element, model.left, model.top, model.width, model.height);
    element.hidden = !model.visible;
    element.setAttribute("aria-disabled", String(!model.enabled));
    element.tabIndex = model.enabled ? 0 : -1;
    // Named by its tip, as the desktop names it, or else by its caption.
    element.title = model.tip;
    if (model.tip) element.removeAttribute("aria-label");
    else element.setAttribute("aria-label", model.caption);
    element.classList.toggle("pressed", model.pressed);
    element.style.background = model.back;
    const [caption, picture, edges] = element.children;
    caption.textContent = model.caption;
    caption.style.color = model.fore;
    caption.style.left = `${px(model.captionX)}px`;
    caption.style.top = `${px(model.captionY)}px`;
    font(caption, model.font.name, model.font.size, model.font.bold, model.font.italic);
    picture.hidden = !model.picture;
    if (model.picture) {
        const source = `icons/${model.picture}.svg`;
        if (picture.getAttribute("src") !== source) picture.setAttribute("src", source);
        place(picture, model.pictureX, model.pictureY, model.pictureWidth, model.pictureHeight);
    }
    edges.setAttribute("width", px(model.width));
    edges.setAttribute("height", px(model.height));
    edges.innerHTML = model.edges
        .map((e) => `<line x1="${px(e.x1) + 0.5}" y1="${px(e.y1) + 0.5}" x2="${px(e.x2) + 0.5}" ` +
            `y2="${px(e.y2) + 0.5}" stroke="${e.colour}" stroke-width="1"/>`)
        .join("");
}
