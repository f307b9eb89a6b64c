#include "helppages.h"

namespace {

QString keysPage() {
    QString rows;
    for (const KeyHelp& key : kHelpKeys) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(key.key).toHtmlEscaped(),
                         QString::fromUtf8(key.what).toHtmlEscaped());
    }
    return QStringLiteral("<h2>Keys</h2>"
                          "<p>The whole game can be played from the keyboard. On your turn the "
                          "focus is on the first card you may play; the cards you may not play "
                          "are dimmed.</p>"
                          "<table cellpadding=\"3\">%1</table>")
        .arg(rows);
}

} // namespace

QString helpPage(int tag) {
    switch (tag) {
    case helptopic::kKeys:
        return keysPage();
    case 1:
        return QStringLiteral(
            "<h2>Welcome to Hearts</h2>"
            "<p>Hearts is the classic card game for four players. Play a quick game alone against "
            "three computer players, or sit down at a table with friends on your network and chat "
            "while you play.</p>"
            "<p>Take as few points as you can: every heart you take costs a point and the Queen of "
            "Spades costs thirteen. Or take them all and shoot the moon!</p>"
            "<p>Use the buttons on the left to read how to connect, how the game is played, how it "
            "is scored, the history of the program, its licence and the lobby.</p>");
    case 2:
        return QStringLiteral(
            "<h2>Connecting</h2>"
            "<h3>Solo games</h3>"
            "<p>Start Hearts without parameters and a solo game is dealt at once: you sit at the "
            "bottom and three computer players take the other seats. <b>Game &gt; New Game…</b> "
            "(F2) starts another and lets you choose the score to play to, whether the first trick "
            "is safe and how strong the computer players are. A solo game needs no network, but it "
            "still runs through a connection to your own computer, so a firewall must allow Hearts "
            "network access on this machine.</p>"
            "<h3>Multi-player games</h3>"
            "<p>Multi-player games are reached through the Orvane Lobby, which starts Hearts with "
            "your name, the address of the table's host and whether you host. You can also start "
            "it "
            "yourself: <tt>hearts &lt;name&gt; &lt;host address&gt; true</tt> hosts a table, and "
            "<tt>hearts &lt;name&gt; &lt;host address&gt; false</tt> joins one.</p>"
            "<p>The host listens on <b>TCP port 7772</b>: the host's firewall and router must let "
            "incoming connections reach that port. The first four players take the seats; up to "
            "five "
            "more watch. Empty seats are played by the computer, and a player who leaves is "
            "replaced "
            "by it until someone takes the seat.</p>"
            "<p>The host runs the whole game. When the host disconnects, all play at that table "
            "ends.</p>");
    case 3:
        return QStringLiteral(
            "<h2>Game Play</h2>"
            "<p>Each player is dealt 13 cards from a deck of 52.</p>"
            "<p><b>Passing.</b> Before each round every player chooses three cards and passes "
            "them: in "
            "the first round to the left, in the second to the right, in the third across the "
            "table, "
            "and in the fourth round nobody passes. Then the cycle starts again. Click three cards "
            "to "
            "raise them and press <b>Pass Cards</b>.</p>"
            "<p><b>Play.</b> The player holding the 2 of clubs leads it to the first trick. Each "
            "player "
            "in turn, to the left, plays one card. You must follow the suit that was led if you "
            "can; if "
            "you cannot, you may play any card. The highest card of the suit led wins the trick, "
            "and "
            "its winner leads the next one.</p>"
            "<p>Hearts may not be led until a heart has been played to an earlier trick (hearts "
            "are "
            "\"broken\"), unless you hold nothing but hearts. The Queen of Spades does not break "
            "hearts.</p>"
            "<p><b>Safe first trick.</b> When the game is started with this option, no heart and "
            "not "
            "the Queen of Spades may be played to the first trick of a round, unless a player "
            "holds "
            "nothing else.</p>"
            "<p><b>Scoring.</b> Every heart taken counts one point and the Queen of Spades "
            "thirteen. "
            "A player who takes all 26 points <b>shoots the moon</b>: he scores nothing and every "
            "other player scores 26.</p>"
            "<p><b>House rules.</b> The player who starts a game may add rules many tables play; "
            "when a game starts with any, the chat names them to everyone and the score sheet "
            "shows them.</p>"
            "<ul>"
            "<li><b>Jack of diamonds &minus;10:</b> whoever takes the jack of diamonds has 10 "
            "points taken off for the round. A moon still needs every heart and the queen.</li>"
            "<li><b>Queen of spades breaks hearts:</b> once the queen is played, hearts may be "
            "led.</li>"
            "<li><b>Moon: subtract 26:</b> shooting the moon takes 26 off the shooter's score "
            "instead of giving 26 to each other player.</li>"
            "<li><b>Every fourth hand keeps its cards:</b> on by default; turned off, the passing "
            "goes left, right, across and starts again.</li>"
            "</ul>"
            "<p>A copy of Hearts from before house rules can join such a table: it is told the "
            "rules in the chat, the host judges every card by them, and the scores it shows come "
            "from the host.</p>");
    case 4:
        return QStringLiteral(
            "<h2>Scoring</h2>"
            "<ul>"
            "<li>Each heart you take in a trick is one point.</li>"
            "<li>The Queen of Spades is thirteen points.</li>"
            "<li>If one player takes all thirteen hearts and the Queen of Spades, he has shot the "
            "moon: he scores 0 for the round and each other player scores 26.</li>"
            "<li>The round's points are added to each player's score.</li>"
            "<li>When a player reaches the score the game is played to, the game ends and the "
            "player "
            "with the lowest score wins.</li>"
            "<li>If the lowest score is shared, play continues with another round until one player "
            "alone has the lowest score.</li>"
            "</ul>"
            "<p>The scores of each seat are shown beside its name; the points taken in the round "
            "just "
            "played are shown in a red bubble, and a moon marks a player who shot it.</p>");
    case 5:
        return QStringLiteral(
            "<h2>History</h2>"
            "<p><b>1.0.9</b> Chatter sounds, phrase buttons and the phrase list; the tally keeps a "
            "record of your games against the players you follow; watchers can be listed and "
            "removed by the host.</p>"
            "<p><b>1.0.8</b> The safe first trick option; computer players take over the seat of a "
            "player who leaves; a player can let the computer play for him (Just Watch).</p>"
            "<p><b>1.0.7</b> Bot speed: slow, normal and fast computer players; text colour and "
            "size "
            "of the chat are remembered.</p>"
            "<p><b>1.0.5</b> Links and smilies in the chat; version check when joining a table.</p>"
            "<p><b>1.0.0</b> First release: solo games against three computer players and "
            "multi-player games on the network, with a chat room beside the table.</p>");
    case 6:
        return QStringLiteral(
            "<h2>License</h2>"
            "<p>Hearts is free to use and to give away, provided that it is passed on whole, with "
            "this licence, and that no money is asked for it.</p>"
            "<p>The program is provided \"as is\", without warranty of any kind, express or "
            "implied, "
            "including but not limited to the warranties of merchantability, fitness for a "
            "particular purpose and non-infringement. In no event shall the authors be liable for "
            "any claim, damages or other liability arising from the use of the program.</p>"
            "<p>The pictures and sounds of the program are part of it and are covered by the same "
            "terms.</p>");
    case 11:
        return QStringLiteral(
            "<h2>The Lobby</h2>"
            "<p>The Orvane Lobby is where players meet. It lists the tables that are open, shows "
            "who "
            "is online and lets you chat before a game. Choose a table and the lobby starts Hearts "
            "for "
            "you, connected to that table; or open a table of your own and wait for others to "
            "join.</p>"
            "<p>The lobby is a separate program. When Hearts is started on its own, it offers to "
            "download and install the lobby for you; you can also play a solo game at once.</p>");
    default:
        return QString();
    }
}
