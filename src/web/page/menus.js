// The main window's menu bar: a menu bar of menu items, each menu a popup of its entries, every
// entry sent by name to the game. Alt and a menu's initial open it (Alt+K, Alt+P), F10 the
// first; the arrow keys, Home and End move, Enter or Space chooses, Escape closes.
let post = null;
let bar = null;
let model = [];
const titles = [];
let popup = null;
let openIndex = -1;

function close(refocus) {
    if (openIndex < 0) return;
    titles[openIndex].setAttribute("aria-expanded", "false");
    popup.hidden = true;
    if (refocus) titles[openIndex].focus();
    openIndex = -1;
}

function entries() {
    return [...popup.querySelectorAll("[role=menuitem]")];
}

function choose(item) {
    if (item.getAttribute("aria-disabled") === "true") return;
    close(false);
    post("form1", "menu", "click", 0, 0, 0, item.dataset.name);
}

function open(index, focusFirst) {
    close(false);
    openIndex = index;
    const menu = model[index];
    const title = titles[index];
    title.setAttribute("aria-expanded", "true");
    popup.replaceChildren();
    popup.setAttribute("aria-label", menu.caption);
    for (const entry of menu.items) {
        const item = document.createElement("div");
        if (entry.caption === "-") {
            item.setAttribute("role", "separator");
        } else {
            item.setAttribute("role", "menuitem");
            item.tabIndex = -1;
            item.textContent = entry.caption;
            item.dataset.name = entry.name;
            item.setAttribute("aria-disabled", String(!entry.enabled));
            item.addEventListener("click", () => choose(item));
            item.addEventListener("pointerenter", () => item.focus());
        }
        popup.append(item);
    }
    popup.style.left = `${title.offsetLeft}px`;
    popup.hidden = false;
    if (focusFirst) entries()[0]?.focus();
}

function titleKeys(event, index) {
    const count = titles.length;
    if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
        event.preventDefault();
        const next = (index + (event.key === "ArrowRight" ? 1 : count - 1)) % count;
        titles[next].focus();
        if (openIndex >= 0) open(next, false);
    } else if (["ArrowDown", "Enter", " "].includes(event.key)) {
        event.preventDefault();
        open(index, true);
    } else if (event.key === "Escape") {
        close(true);
    }
}

function popupKeys(event) {
    const items = entries();
    const at = items.indexOf(document.activeElement);
    const moveTo = (i) => items[(i + items.length) % items.length]?.focus();
    switch (event.key) {
        case "ArrowDown": moveTo(at + 1); break;
        case "ArrowUp": moveTo(at - 1); break;
        case "Home": moveTo(0); break;
        case "End": moveTo(items.length - 1); break;
        case "ArrowRight":
        case "ArrowLeft": {
            const next = (openIndex + (event.key === "ArrowRight" ? 1 : titles.length - 1)) %
                titles.length;
            titles[next].focus();
            open(next, true);
            break;
        }
        case "Escape": close(true); break;
        case "Tab": close(false); return;
        case "Enter":
        case " ":
            if (at >= 0) choose(items[at]);
            break;
        default: return;
    }
    event.preventDefault();
}

function mount(parent, poster) {
    post = poster;
    bar = document.createElement("div");
    bar.className = "menu-bar";
    bar.setAttribute("role", "menubar");
    popup = document.createElement("div");
    popup.className = "menu";
    popup.setAttribute("role", "menu");
    popup.hidden = true;
    popup.addEventListener("keydown", popupKeys);
    parent.append(bar, popup);
    document.addEventListener("pointerdown", (event) => {
        if (openIndex >= 0 && !bar.contains(event.target) && !popup.contains(event.target)) {
            close(false);
        }
    });
}

function build(menus) {
    bar.replaceChildren();
    titles.length = 0;
    menus.forEach((menu, index) => {
        const title = document.createElement("div");
        title.className = "menu-title";
        title.setAttribute("role", "menuitem");
        title.setAttribute("aria-haspopup", "menu");
        title.setAttribute("aria-expanded", "false");
        // Reached by Alt and an initial or F10, as on the desktop: Tab runs along the top bar.
        title.tabIndex = -1;
        title.textContent = menu.caption;
        title.addEventListener("click", () => (openIndex === index ? close(false) : open(index, false)));
        title.addEventListener("keydown", (event) => titleKeys(event, index));
        titles.push(title);
        bar.append(title);
    });
}

function render(form) {
    const shape = JSON.stringify(form.menus.map((m) => [m.caption, m.items]));
    if (shape !== JSON.stringify(model.map((m) => [m.caption, m.items]))) {
        close(false);
        build(form.menus);
    }
    model = form.menus;
    bar.style.background = form.menuBack;
    bar.style.color = form.menuText;
    popup.style.background = form.menuBack;
    popup.style.color = form.menuText;
}

// Alt and a menu's initial, or F10 for the first: true when the key opened a menu.
function openByKey(event) {
    let index = -1;
    if (event.key === "F10" && !event.altKey && !event.ctrlKey) index = 0;
    if (event.altKey && !event.ctrlKey && event.key.length === 1) {
        index = model.findIndex((m) => event.code === `Key${m.caption[0]?.toUpperCase()}`);
    }
    if (index < 0 || index >= titles.length) return false;
    titles[index].focus();
    open(index, true);
    return true;
}

export default { mount, render, openByKey };
