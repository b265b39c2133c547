// One tab plays at a time, so two never write the player's files at once. A second tab says the
// game is open in another one and offers to play here; that asks the first tab to hand the game
// over: it stops writing, says so, and lets go, and the second tab starts from what it kept.
// The start page has asked for the game already (start.js).
const { lockName: LockName, firstAnswer } = globalThis.kalderStart;
const OpenElsewhere = "Kalder is open in another tab.";
const MovedAway = "Kalder is now playing in another tab; nothing more is kept here.";
const PlayHere = "Play here";

let notice = null;

function say(text, onPlayHere) {
    notice?.remove();
    notice = document.createElement("div");
    notice.className = "veil tab-notice";
    const box = document.createElement("div");
    box.className = "dialog";
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-labelledby", "tab-notice-text");
    const message = document.createElement("p");
    message.id = "tab-notice-text";
    message.textContent = text;
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = PlayHere;
    button.addEventListener("click", onPlayHere);
    box.append(message, button);
    notice.append(box);
    document.body.append(notice);
    button.focus();
}

// Resolves once this tab holds the game. stop() ends the game in this tab when another asks for
// it; it resolves once the last write is done.
export function holdTheGame(stop) {
    if (!firstAnswer) return Promise.resolve();
    const channel = new BroadcastChannel(LockName);
    return new Promise((started) => {
        const held = (release) => {
            notice?.remove();
            notice = null;
            started();
            channel.onmessage = async (event) => {
                if (event.data !== "hand-over") return;
                channel.onmessage = null;
                await stop();
                say(MovedAway, () => location.reload());
                release();
            };
        };
        firstAnswer.then((release) => {
            if (release) {
                held(release);
                return;
            }
            say(OpenElsewhere, (event) => {
                event.target.disabled = true;
                channel.postMessage("hand-over");
                navigator.locks.request(LockName, () => new Promise((release) => held(release)));
            });
        });
    });
}
