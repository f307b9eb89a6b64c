// Information-set UCT: one tree of the cards played from here, grown over
// many deals of the unseen cards. Each iteration deals anew, and the seat to
// play at each node picks, among the cards its hand in that deal allows, the
// one whose results so far were best for itself (fewest points), with a
// bonus for cards seldom tried; below the tree the round is played out by
// the rollouts' policies, and every card on the way is credited with what
// its seat scored.
#include "treesearch.h"

#include <bit>
#include <cmath>
#include <vector>

namespace hearts {

namespace {

// A seat's result of a round played out: 1 for no points, 0 for 26, and
// `fear` less when another seat shot the moon.
double rewardOf(const Round& round, int seat, int moon, double fear) {
    const double reward = 1.0 - round.points[static_cast<std::size_t>(seat)] / 26.0;
    return moon != 0 && moon != seat ? reward - fear : reward;
}

// The tree of the searching seat's information: a node is the cards played
// so far, whatever the deal; its cards are added as the deals show them
// playable, and each counts how often it could have been chosen.
struct Edge {
    Card card = 0;
    int child = -1;
    int next = -1;
    int visits = 0;
    int available = 0;
    double reward = 0;
};

struct Node {
    int firstEdge = -1;
    CardMask cards = 0;
};

class Tree {
public:
    Tree(double exploration, int iterations) : m_exploration(exploration) {
        m_nodes.reserve(static_cast<std::size_t>(iterations) + 1);
        m_edges.reserve(static_cast<std::size_t>(iterations) * 2);
        // A card is available at most once an iteration.
        m_log.resize(static_cast<std::size_t>(iterations) + 1);
        for (std::size_t n = 1; n < m_log.size(); ++n) {
            m_log[n] = std::log(static_cast<double>(n));
        }
    }

    int grow() {
        m_nodes.emplace_back();
        return static_cast<int>(m_nodes.size()) - 1;
    }

    int select(int nodeIndex, CardMask legal, SearchRandom& random) {
        Node& node = m_nodes[static_cast<std::size_t>(nodeIndex)];
        for (CardMask fresh = legal & ~node.cards; fresh != 0; fresh &= fresh - 1) {
            Edge edge;
            edge.card = std::countr_zero(fresh);
            edge.next = node.firstEdge;
            node.firstEdge = static_cast<int>(m_edges.size());
            m_edges.push_back(edge);
        }
        node.cards |= legal;
        int untried = 0;
        int pick = -1;
        for (int at = node.firstEdge; at >= 0; at = m_edges[static_cast<std::size_t>(at)].next) {
            Edge& edge = m_edges[static_cast<std::size_t>(at)];
            if ((legal >> edge.card & 1) == 0) {
                continue;
            }
            ++edge.available;
            if (edge.visits == 0 && random.below(++untried) == 0) {
                pick = at;
            }
        }
        if (pick >= 0) {
            return pick;
        }
        double best = -1e9;
        for (int at = node.firstEdge; at >= 0; at = m_edges[static_cast<std::size_t>(at)].next) {
            const Edge& edge = m_edges[static_cast<std::size_t>(at)];
            if ((legal >> edge.card & 1) == 0) {
                continue;
            }
            const double n = edge.visits;
            const double value =
                edge.reward / n +
                m_exploration * std::sqrt(m_log[static_cast<std::size_t>(edge.available)] / n);
            if (value > best) {
                best = value;
                pick = at;
            }
        }
        return pick;
    }

    Node& node(int index) { return m_nodes[static_cast<std::size_t>(index)]; }
    Edge& edge(int index) { return m_edges[static_cast<std::size_t>(index)]; }

private:
    double m_exploration;
    std::vector<double> m_log;
    std::vector<Node> m_nodes;
    std::vector<Edge> m_edges;
};

} // namespace

TreeResults searchTree(const Round& base, int seat, const Knowledge& knowledge,
                       SearchRandom& random, const SearchBudget& budget,
                       std::chrono::steady_clock::time_point deadline, const MoonPlan& plan) {
    Round deal = base;
    deal.leadTwoOfClubs = false;
    std::array<CardMask, kSeats + 1> hands{};
    Tree tree{budget.exploration, budget.iterations};
    const int root = tree.grow();
    std::vector<int> path;
    std::vector<int> pathSeats;
    int done = 0;
    for (; done < budget.iterations; ++done) {
        if ((done & 63) == 0 && std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        if (!sampleHands(knowledge, random, hands)) {
            break;
        }
        Round line = deal;
        for (int other = 1; other <= kSeats; ++other) {
            if (other != seat) {
                replaceHand(line.hands[static_cast<std::size_t>(other)],
                            hands[static_cast<std::size_t>(other)]);
            }
        }
        path.clear();
        pathSeats.clear();
        int at = root;
        int toPlay = seat;
        int moon = 0;
        for (;;) {
            const Hand& hand = line.hands[static_cast<std::size_t>(toPlay)];
            const int chosen = tree.select(at, legalCards(hand.held(), line.position()), random);
            path.push_back(chosen);
            pathSeats.push_back(toPlay);
            const bool fresh = tree.edge(chosen).visits == 0;
            playCard(line, toPlay, hand.slotOf(tree.edge(chosen).card));
            toPlay = seatAfter(line, toPlay);
            if (toPlay == 0) {
                moon = scoreRound(line);
                break;
            }
            if (fresh) {
                moon = playOutWithMoons(line, toPlay, plan);
                break;
            }
            if (tree.edge(chosen).child < 0) {
                const int grown = tree.grow();
                tree.edge(chosen).child = grown;
            }
            at = tree.edge(chosen).child;
        }
        for (std::size_t i = 0; i < path.size(); ++i) {
            Edge& edge = tree.edge(path[i]);
            ++edge.visits;
            edge.reward += rewardOf(line, pathSeats[i], moon, budget.moonFear);
        }
    }
    TreeResults results;
    for (int at = tree.node(root).firstEdge; at >= 0; at = tree.edge(at).next) {
        const Edge& edge = tree.edge(at);
        const auto card = static_cast<std::size_t>(edge.card);
        results.visits[card] = edge.visits;
        results.value[card] = edge.visits > 0 ? edge.reward / edge.visits : 0;
    }
    results.iterations = done;
    return results;
}

Card mostTried(const TreeResults& results, CardMask legal) {
    if (results.iterations == 0) {
        return kNoCard;
    }
    Card best = kNoCard;
    for (CardMask left = legal; left != 0; left &= left - 1) {
        const int card = std::countr_zero(left);
        if (best == kNoCard || results.visits[static_cast<std::size_t>(card)] >
                                   results.visits[static_cast<std::size_t>(best)]) {
            best = card;
        }
    }
    return best;
}
} // namespace hearts
