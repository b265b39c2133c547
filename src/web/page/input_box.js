// The text input box the game asks with (Create's size prompt): its prompt, the text and OK
// and Cancel; Enter is OK and Escape Cancel.
import { makeDialog } from "./dialog.js";

let view = null;
let prompt = null;
let input = null;

function mount(_parent, post) {
    view = makeDialog("dialog", "input-box");
    prompt = document.createElement("label");
    prompt.htmlFor = "input-box-text";
    input = document.createElement("input");
    input.id = "input-box-text";
    input.autocomplete = "off";
    input.addEventListener("input", () => post("inputBox", "text", "change", 0, 0, 0, input.value));
    const row = document.createElement("div");
    row.className = "buttons";
    const button = (caption, control) => {
        const element = document.createElement("button");
        element.type = "button";
        element.textContent = caption;
        element.addEventListener("click", () => post("inputBox", control, "click"));
        return element;
    };
    row.append(button("OK", "ok"), button("Cancel", "cancel"));
    view.body.append(prompt, input, row);
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key === "Enter" && event.target === input) post("inputBox", "ok", "click");
        else if (event.key === "Escape") post("inputBox", "cancel", "click");
        else return;
        event.preventDefault();
    });
}

function render(box) {
    if (!box) {
        view.hide();
        return;
    }
    const opening = !view.open;
    view.title.textContent = box.title;
    prompt.textContent = box.prompt;
    if (opening) input.value = box.text;
    view.show(() => input);
    if (opening) input.select();
}

export default { mount, render };
