// The system's own message box: the text and a button per answer its style names; Escape is the
// last button, as its close box.
import { makeDialog } from "./dialog.js";

let view = null;
let text = null;
let row = null;
let post = null;

function mount(_parent, poster) {
    post = poster;
    view = makeDialog("alertdialog", "system-message");
    text = document.createElement("p");
    text.id = "system-message-text";
    view.dialog.setAttribute("aria-describedby", text.id);
    row = document.createElement("div");
    row.className = "buttons";
    view.body.append(text, row);
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key !== "Escape") return;
        event.preventDefault();
        post("systemMessage", "frame", "close");
    });
}

function render(box) {
    if (!box) {
        view.hide();
        return;
    }
    view.title.textContent = box.title;
    text.textContent = box.text.replaceAll("\r", "");
    const captions = box.buttons.join("\n");
    if (row.dataset.captions !== captions) {
        row.dataset.captions = captions;
        row.replaceChildren(...box.buttons.map((caption, i) => {
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = caption;
            button.addEventListener("click", () => post("systemMessage", "button", "click", i));
            return button;
        }));
    }
    view.show(() => row.children[box.defaultButton]);
}

export default { mount, render };
