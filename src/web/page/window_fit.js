// A window larger than the viewport is shown smaller, as the desktop shows its windows smaller
// on a small screen; it is never shown larger than the game's scale makes it.
const Margin = 16;
const TitleHeight = 32;

export function fitToViewport(element, width, height) {
    const shrink = Math.min(1, (window.innerWidth - Margin) / width,
        (window.innerHeight - Margin - TitleHeight) / height);
    element.style.zoom = shrink < 1 ? String(shrink) : "";
}
