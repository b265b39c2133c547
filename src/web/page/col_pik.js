// The colour picker: its palette, shade strips and labels painted from the model, and its
// three bars. A release anywhere on the surface goes to the model with its place in twips; the
// model decides what lies there. A palette box chosen by key picks at its middle.
import { font, place } from "./scale.js";
import { LeftButton, RightButton, shiftState } from "./press.js";

function at(element, area) {
    place(element, area.left, area.top, area.width, area.height);
}

export class ColPikView {
    // post(control, action, index, button, shift, text) sends an event of the host window.
    constructor(post) {
        this.post = post;
        this.element = document.createElement("div");
        this.element.className = "col-pik";
        this.element.setAttribute("role", "group");
        this.surface = document.createElement("div");
        this.surface.className = "surface";
        this.surface.addEventListener("pointerup", (event) => {
            const button = event.button === 2 ? RightButton : LeftButton;
            this.post("surface", "up", 0, button, shiftState(event),
                this.twipsAt(event.clientX, event.clientY));
        });
        this.surface.addEventListener("contextmenu", (event) => event.preventDefault());
        this.strips = [0, 1].map(() => {
            const canvas = document.createElement("canvas");
            canvas.height = 1;
            canvas.setAttribute("aria-hidden", "true");
            this.surface.append(canvas);
            return canvas;
        });
        this.palette = [];
        this.labels = {};
        this.bars = [0, 1, 2].map((channel) => {
            const bar = document.createElement("input");
            bar.type = "range";
            bar.min = "0";
            bar.max = "255";
            bar.className = "bar";
            bar.setAttribute("aria-orientation", "vertical");
            bar.addEventListener("input", () => this.post("bar", "change", channel, 1, 0, bar.value));
            return bar;
        });
        this.element.append(this.surface, ...this.bars);
    }

    twipsAt(x, y) {
        const box = this.surface.getBoundingClientRect();
        const twipsX = ((x - box.left) / box.width) * this.width;
        const twipsY = ((y - box.top) / box.height) * this.height;
        return `${Math.round(twipsX)} ${Math.round(twipsY)}`;
    }

    render(model) {
        this.width = model.width;
        this.height = model.height;
        this.element.setAttribute("aria-label", model.name);
        place(this.surface, 0, 0, model.width, model.height);
        this.surface.style.background = model.back;
        this.renderPalette(model);
        this.renderStrips(model.strips);
        this.renderLabels(model);
        model.bars.forEach((state, channel) => {
            const bar = this.bars[channel];
            // Turned a quarter round, so 0 is at the top as on the desktop's bars.
            place(bar, state.left + (state.width - state.height) / 2,
                state.top + (state.height - state.width) / 2, state.height, state.width);
            bar.setAttribute("aria-label", state.name);
            bar.disabled = !model.enabled;
            if (bar.value !== String(state.value)) bar.value = String(state.value);
        });
    }

    renderPalette(model) {
        while (this.palette.length < model.palette.length) {
            const box = document.createElement("button");
            box.type = "button";
            box.className = "palette-box";
            box.addEventListener("click", (event) => {
                if (event.detail !== 0) return;
                const area = box.area;
                this.post("surface", "up", 0, 1, 0,
                    `${Math.round(area.left + area.width / 2)} ${Math.round(area.top + area.height / 2)}`);
            });
            this.surface.append(box);
            this.palette.push(box);
        }
        this.palette.forEach((box, n) => {
            const state = model.palette[n];
            box.hidden = !state;
            if (!state) return;
            box.area = state;
            at(box, state);
            box.style.background = state.colour;
            box.setAttribute("aria-label", state.colour);
        });
    }

    renderStrips(strips) {
        [strips.black, strips.white].forEach((colours, n) => {
            const canvas = this.strips[n];
            place(canvas, strips.left, n === 0 ? strips.blackTop : strips.whiteTop, colours.length,
                strips.height);
            const shown = colours.join("");
            if (canvas.shownColours === shown) return;
            canvas.shownColours = shown;
            canvas.width = colours.length;
            const paint = canvas.getContext("2d");
            colours.forEach((colour, i) => {
                paint.fillStyle = colour;
                paint.fillRect(i, 0, 1, 1);
            });
        });
    }

    label(key, area, model) {
        if (!this.labels[key]) {
            this.labels[key] = document.createElement("div");
            this.labels[key].className = "label";
            this.surface.append(this.labels[key]);
        }
        const label = this.labels[key];
        at(label, area);
        const face = model.captionFont;
        font(label, face.name, face.size, face.bold, face.italic);
        return label;
    }

    // "Selected", the swatch, and each channel's swatch and value.
    renderLabels(model) {
        const selected = this.label("selected", model.selectedLabel, model);
        selected.textContent = model.selectedCaption;
        selected.style.color = model.fore;
        this.label("swatch", model.swatchLabel, model).style.background = model.swatch;
        model.bars.forEach((bar, channel) => {
            this.label(`swatch${channel}`, bar.swatchLabel, model).style.background = bar.swatch;
            const value = this.label(`value${channel}`, bar.captionLabel, model);
            value.textContent = bar.caption;
            value.style.color = bar.captionColour;
        });
    }
}
