// The Open and Save dialog over the browser's storage: the player's files and the shipped,
// read-only ones, the filter and title the game asks with, a name box, Import (a file from the
// computer) and Download (the chosen file to the computer). A file dropped on the page comes
// in as Import brings it.
import { makeDialog } from "./dialog.js";

let view = null;
let send = null;
let model = null;
let savedDownload = 0;

// The file's name and text, whole: its line ends and tabs are its own.
async function bringIn(file) {
    const content = await file.text();
    send("import", "file", 0, `${file.name}\t${content}`, true);
}

function button(onClick) {
    const element = document.createElement("button");
    element.type = "button";
    element.addEventListener("click", onClick);
    return element;
}

function mount(_parent, post) {
    send = (control, action, index = 0, text = "", whole = false) =>
        post("fileDialog", control, action, index, 1, 0, text, whole);
    view = makeDialog("dialog", "file-dialog");
    const filter = document.createElement("div");
    filter.className = "filter";
    const list = document.createElement("div");
    list.className = "files";
    list.setAttribute("role", "listbox");
    list.tabIndex = 0;
    list.addEventListener("keydown", listKey);
    const nameLabel = document.createElement("label");
    nameLabel.htmlFor = "file-dialog-name";
    const name = document.createElement("input");
    name.id = "file-dialog-name";
    name.autocomplete = "off";
    name.addEventListener("input", () => send("name", "change", 0, name.value));
    name.addEventListener("keydown", (event) => {
        if (event.key !== "Enter") return;
        event.preventDefault();
        send("confirm", "click");
    });
    const problem = document.createElement("div");
    problem.className = "problem";
    problem.setAttribute("role", "alert");
    const picker = document.createElement("input");
    picker.type = "file";
    picker.hidden = true;
    picker.addEventListener("change", () => {
        for (const file of picker.files) bringIn(file);
        picker.value = "";
    });
    const confirm = button(() => send("confirm", "click"));
    const cancel = button(() => send("cancel", "click"));
    const importing = button(() => picker.click());
    const download = button(() => send("download", "click"));
    const row = document.createElement("div");
    row.className = "buttons";
    row.append(confirm, cancel, importing, download);
    view.body.append(filter, list, nameLabel, name, problem, row, picker);
    view.dialog.addEventListener("keydown", (event) => {
        if (event.key !== "Escape") return;
        event.preventDefault();
        send("cancel", "click");
    });
    Object.assign(view, { filter, list, nameLabel, name, problem, picker, confirm, cancel, importing, download });
    document.addEventListener("dragover", (event) => {
        if (!event.dataTransfer?.types.includes("Files")) return;
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
    });
    document.addEventListener("drop", (event) => {
        if (!event.dataTransfer?.files.length) return;
        event.preventDefault();
        for (const file of event.dataTransfer.files) bringIn(file);
    });
}

function listKey(event) {
    const last = model.entries.length - 1;
    const steps = { ArrowUp: -1, ArrowDown: 1, Home: -last - 1, End: last + 1 };
    if (event.key in steps && last >= 0) {
        event.preventDefault();
        const from = model.selected < 0 ? (steps[event.key] > 0 ? -1 : last + 1) : model.selected;
        send("list", "select", Math.max(0, Math.min(last, from + steps[event.key])));
    } else if (event.key === "Enter") {
        event.preventDefault();
        send("confirm", "click");
    }
}

function option(entry, index) {
    const element = document.createElement("div");
    element.id = `file-dialog-entry-${index}`;
    element.setAttribute("role", "option");
    element.textContent = entry.name;
    element.setAttribute("aria-selected", String(index === model.selected));
    element.addEventListener("click", () => send("list", "select", index));
    element.addEventListener("dblclick", () => send("list", "open", index));
    return element;
}

function group(label, entries) {
    const element = document.createElement("div");
    element.setAttribute("role", "group");
    element.setAttribute("aria-label", label);
    const heading = document.createElement("div");
    heading.className = "group";
    heading.setAttribute("aria-hidden", "true");
    heading.textContent = label;
    element.append(heading, ...entries);
    return element;
}

function renderList() {
    const options = model.entries.map(option);
    const own = options.filter((_, i) => !model.entries[i].readOnly);
    const shipped = options.filter((_, i) => model.entries[i].readOnly);
    view.list.replaceChildren(group(model.playerGroup, own),
        ...(shipped.length ? [group(model.shippedGroup, shipped)] : []));
    const chosen = options[model.selected];
    if (chosen) {
        view.list.setAttribute("aria-activedescendant", chosen.id);
        chosen.scrollIntoView({ block: "nearest" });
    } else {
        view.list.removeAttribute("aria-activedescendant");
    }
}

// The file the game handed over, saved through the browser's own download.
function save(download) {
    if (!download || download.serial === savedDownload) return;
    savedDownload = download.serial;
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([download.content], { type: "text/plain" }));
    link.download = download.name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

function render(dialog) {
    model = dialog;
    if (!dialog) {
        view.hide();
        return;
    }
    view.title.textContent = dialog.title;
    view.filter.textContent = dialog.filter;
    view.list.setAttribute("aria-label", dialog.filter);
    renderList();
    view.nameLabel.textContent = dialog.nameLabel;
    if (view.name.value !== dialog.fileName) view.name.value = dialog.fileName;
    view.problem.textContent = dialog.problem;
    view.confirm.textContent = dialog.confirmCaption;
    view.cancel.textContent = dialog.cancelCaption;
    view.importing.textContent = dialog.importCaption;
    view.download.textContent = dialog.downloadCaption;
    view.download.disabled = dialog.selected < 0;
    view.picker.accept = dialog.patterns.split(";").map((p) => p.replace(/^\*/, "")).join(",");
    save(dialog.download);
    view.show(() => view.list);
}

export default { mount, render };
