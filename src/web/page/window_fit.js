// A modal window of the game's models: its caption, its client area of the model's size in
// twips and colour, at the game's scale. A window larger than the viewport is shown smaller, as
// the desktop shows its windows smaller on a small screen; never larger than the game's scale.
import { px } from "./scale.js";

const Margin = 16;
const TitleHeight = 32;

function fitToViewport(element, width, height) {
    const shrink = Math.min(1, (window.innerWidth - Margin) / width,
        (window.innerHeight - Margin - TitleHeight) / height);
    element.style.zoom = shrink < 1 ? String(shrink) : "";
    // The viewport's bounds are the zoomed window's own: it is made to fit them already.
    element.style.maxWidth = element.style.maxHeight = shrink < 1 ? "none" : "";
}

export function frameWindow(view, model) {
    view.title.textContent = model.caption;
    view.size(model.width, model.height);
    view.body.style.background = model.back;
    fitToViewport(view.dialog, px(model.width), px(model.height));
}
