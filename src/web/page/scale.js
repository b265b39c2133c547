// Lengths of the game's models in the page: twips at 15 to a CSS pixel, times the page's scale.

let scale = 1;

export function setScale(value) {
    scale = value;
}

export function px(twips) {
    return Math.round((twips * scale) / 15);
}

// A rectangle in twips as CSS, rounded at its edges so that neighbours meet.
export function place(element, left, top, width, height) {
    const x = px(left);
    const y = px(top);
    element.style.left = `${x}px`;
    element.style.top = `${y}px`;
    element.style.width = `${px(left + width) - x}px`;
    element.style.height = `${px(top + height) - y}px`;
}

// A font of the models (size in points) at the page's scale.
export function font(element, name, size, bold, italic) {
    element.style.fontFamily = `"${name}", "Liberation Sans", Arial, sans-serif`;
    element.style.fontSize = `${((size * 96) / 72) * scale}px`;
    element.style.fontWeight = bold ? "bold" : "normal";
    element.style.fontStyle = italic ? "italic" : "normal";
}

export function currentScale() {
    return scale;
}
