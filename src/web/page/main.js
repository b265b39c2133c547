// The page of the game: it starts the game's module, queues every page event for the game's
// one loop as a line of tab-separated fields, and hands each window's part of the game's state
// to the views that draw it. No rule of the game lives here.
import about from "./about.js";
import board from "./board.js";
import fileDialog from "./file_dialog.js";
import help from "./help.js";
import inputBox from "./input_box.js";
import menus from "./menus.js";
import msgbox from "./msgbox.js";
import options from "./options.js";
import scores from "./scores.js";
import systemMessage from "./system_message.js";
import topBar from "./top_bar.js";
import { setScale } from "./scale.js";
import { holdTheGame } from "./tab_lock.js";

// Each window's views, in the order they draw; a window's part is null while it is closed.
const views = [
    ["form1", menus],
    ["form1", topBar],
    ["form1", board],
    ["scores", scores],
    ["help", help],
    ["options", options],
    ["about", about],
    ["fileDialog", fileDialog],
    ["msgbox", msgbox],
    ["inputBox", inputBox],
    ["systemMessage", systemMessage],
];

const ScaleKey = "kalder.scaleOffset";
// What the start page began: the tab lock's first answer, the folder's read-back, the code.
const startPage = globalThis.kalderStart;
const queue = [];
let waiting = null;
let state = null;
let firstRender = true;
// How many events the page has queued: a state whose eventsTaken reaches an event's number has
// seen it.
let posted = 0;

// One event for the game: window, control, action, index, button, shift and a text. The text's
// tabs and line ends become blanks unless it is a file's whole content.
export function post(window, control, action, index = 0, button = 0, shift = 0, text = "",
    whole = false) {
    const clean = whole ? String(text) : String(text).replace(/[\t\r\n]/g, " ");
    queue.push([window, control, action, index | 0, button | 0, shift | 0, clean].join("\t"));
    posted += 1;
    if (waiting) {
        const wake = waiting;
        waiting = null;
        wake(queue.shift());
    }
    return posted;
}

function modalOpen() {
    return Boolean(state && (state.msgbox || state.inputBox || state.systemMessage)) ||
        document.querySelector(".veil:not([hidden])") !== null;
}

// The worker that keeps the site for offline play fetches all of it: only once the game is on
// the page, so a first visit does not wait for it.
function keepForOffline() {
    navigator.serviceWorker?.register("sw.js").catch(() => {
        // Without its worker the page plays as well, only not offline.
    });
}

function render(json) {
    state = JSON.parse(json);
    setScale(state.page.scale);
    const game = document.getElementById("game");
    document.documentElement.style.setProperty("--scale", state.page.scale);
    document.body.classList.toggle("busy", state.page.busy);
    document.title = state.form1.caption;
    game.style.background = state.form1.back;
    try {
        localStorage.setItem(ScaleKey, String(state.page.scaleOffset));
    } catch {
        // A browser that keeps nothing keeps no scale either.
    }
    // Windows that close go first, so the focus they give back is where one opening finds it.
    const closing = views.filter(([window]) => !state[window]);
    const open = views.filter(([window]) => state[window]);
    for (const [window, view] of [...closing, ...open]) view.render(state[window], state);
    // The board takes the keyboard at the start, as the desktop's board has the focus.
    if (firstRender) {
        if (!modalOpen()) board.focus();
        keepForOffline();
    }
    firstRender = false;
}

const measure = document.createElement("canvas").getContext("2d");

const page = {
    post,
    nextEvent() {
        if (queue.length > 0) return Promise.resolve(queue.shift());
        return new Promise((resolve) => {
            waiting = resolve;
        });
    },
    takeEvent() {
        return queue.length > 0 ? queue.shift() : null;
    },
    render,
    textWidth(name, pixels, bold, italic, text) {
        measure.font = `${italic ? "italic " : ""}${bold ? "bold " : ""}${pixels}px "${name}", ` +
            `"Liberation Sans", Arial, sans-serif`;
        return measure.measureText(text).width;
    },
    // Exit: the tab closes where the browser lets it; else the game's page is left empty.
    end() {
        window.close();
        document.getElementById("game").replaceChildren();
        document.getElementById("dialogs").replaceChildren();
    },
};

// The desktop's usual keys for commands of the menus and the top bar: F1 Help, Ctrl+Q Exit
// (which asks), Ctrl+N Create.
function commandKey(event, ctrl) {
    if (event.altKey || event.shiftKey) return null;
    if (event.key === "F1" && !ctrl) return () => post("form1", "menu", "click", 0, 0, 0, "mnuhelp");
    if (!ctrl) return null;
    switch (event.key.toLowerCase()) {
        case "q":
            return () => post("form1", "menu", "click", 0, 0, 0, "mnuexit");
        case "n":
            return () => {
                post("form1", "cmdcreate", "down", 0, 1);
                post("form1", "cmdcreate", "up", 0, 1);
            };
        default:
            return null;
    }
}

// The keys the desktop's board and window take, wherever the focus is on the page.
function pageKeys(event) {
    const ctrl = event.ctrlKey || event.metaKey;
    if (ctrl && !event.altKey && ["+", "=", "-", "0"].includes(event.key)) {
        const action = event.key === "0" ? "fit" : event.key === "-" ? "smaller" : "larger";
        post("page", "scale", action);
        event.preventDefault();
        return;
    }
    if (modalOpen()) return;
    if (menus.openByKey(event)) {
        event.preventDefault();
        return;
    }
    const command = commandKey(event, ctrl);
    if (command) {
        event.preventDefault();
        command();
        return;
    }
    if (event.target instanceof HTMLInputElement || event.altKey) return;
    const key = event.key.toLowerCase();
    const shift = event.shiftKey;
    let action = null;
    if (key === "h" && !ctrl) action = shift ? "back" : "hint";
    if (key === "z" && ctrl) action = shift ? "redo" : "undo";
    if (key === "y" && ctrl && !shift) action = "redo";
    if (key === "s" && shift) action = "solve";
    if (!action) return;
    event.preventDefault();
    const number = post("form1", "key", action);
    if (action === "hint") board.followHint(number);
}

function sendViewport() {
    const width = document.documentElement.clientWidth;
    const height = window.innerHeight;
    post("page", "viewport", "resize", 0, 0, 0, `${width} ${height}`);
}

// The game's code as the start page compiled it, or compiled here from its bytes when that
// failed.
function instantiateGame(imports, receive) {
    startPage.code
        .catch(() => fetch("kalder.wasm")
            .then((answer) => answer.arrayBuffer())
            .then((bytes) => WebAssembly.compile(bytes)))
        .then((code) => WebAssembly.instantiate(code, imports)
            .then((instance) => receive(instance, code)));
    return {};
}

function start() {
    // The game's code compiles while this tab waits to hold the game, and its files are read
    // back once it does (start.js); the game starts once both are in, or at once in a browser
    // that never kept them. Handed over to another tab, the game here stops and writes nothing
    // more.
    const game = document.getElementById("game");
    const module = {
        kalderPage: page,
        kalderReadFolder: startPage.readFolder,
        kalderFresh: startPage.fresh,
        instantiateWasm: instantiateGame,
    };
    module.kalderFolder = holdTheGame(() => {
        game.replaceChildren();
        document.getElementById("dialogs").replaceChildren();
        return module.kalderStorage ? module.kalderStorage.stop() : Promise.resolve();
    }).then(() => startPage.folder || startPage.readFolder());
    globalThis.createKalder(module);
    const client = document.createElement("div");
    client.className = "client";
    const mounted = new Set();
    for (const [window, view] of views) {
        if (mounted.has(view)) continue;
        mounted.add(view);
        view.mount(window === "form1" && view === menus ? game : client, post);
    }
    game.append(client);
    document.addEventListener("keydown", pageKeys);
    // The right button and a long press belong to the game, not to the browser's menu.
    game.addEventListener("contextmenu", (event) => event.preventDefault());
    window.addEventListener("resize", sendViewport);
    sendViewport();
    let offset = 0;
    try {
        offset = Number(localStorage.getItem(ScaleKey)) || 0;
    } catch {
        offset = 0;
    }
    post("page", "scale", "offset", offset);
}

start();
