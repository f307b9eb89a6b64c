#!/usr/bin/env bash
# A table reached through a real home router, on one machine: a "home"
# namespace (the host, 192.168.77.2) behind a "router" namespace running
# Debian's miniupnpd with nftables NAT, and an "internet" namespace (the
# friend, 11.22.33.2) that reaches only the router's outside address
# (11.22.33.1). hearts-server --open-router maps its port, the friend joins
# through the public address and plays a card, the mapping is gone once the
# server stops, and with miniupnpd stopped the server says the router did
# not allow it; a router with NAT-PMP alone maps it too. Skips (exit 77)
# where namespaces cannot be made.
#
#   router_namespaces_test.sh HEARTS_SERVER
set -uo pipefail
server=${1:?usage: $0 hearts-server}
skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "network namespaces need root"
for tool in ip nft miniupnpd python3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh test installs it)"
done
s=$$
home=hh$s router=hr$s net=hi$s
work=$(mktemp -d)
cleanup() {
    for ns in $home $router $net; do
        ip netns pids "$ns" 2>/dev/null | xargs -r kill 2>/dev/null
    done
    sleep 0.2
    for ns in $home $router $net; do ip netns del "$ns" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
ip netns add $home 2>/dev/null || skip "this system does not allow network namespaces"
ip netns add $router && ip netns add $net || exit 1
fail() { echo "FAIL: $*"; for f in "$work"/*.log; do echo "== $f"; cat "$f"; done; exit 1; }

ip link add vh$s type veth peer name vrh$s && ip link set vh$s netns $home && ip link set vrh$s netns $router
ip link add vi$s type veth peer name vri$s && ip link set vi$s netns $net && ip link set vri$s netns $router
ip -n $home addr add 192.168.77.2/24 dev vh$s
ip -n $router addr add 192.168.77.1/24 dev vrh$s
ip -n $router addr add 11.22.33.1/24 dev vri$s
ip -n $net addr add 11.22.33.2/24 dev vi$s
for pair in "$home vh$s" "$router vrh$s" "$router vri$s" "$net vi$s"; do
    set -- $pair; ip -n "$1" link set "$2" up
done
for ns in $home $router $net; do ip -n $ns link set lo up; done
ip -n $home route add default via 192.168.77.1
ip netns exec $router sysctl -qw net.ipv4.ip_forward=1
ip netns exec $router nft -f - <<NFT || fail "nftables rules"
table inet filter {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "vrh$s" oifname "vri$s" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
        oifname "vri$s" masquerade
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
NFT
cat > "$work/miniupnpd.conf" <<CONF
ext_ifname=vri$s
listening_ip=vrh$s
port=0
enable_natpmp=yes
enable_upnp=yes
secure_mode=yes
system_uptime=yes
uuid=3c0b1f8e-8a4a-4d2c-9a6e-5e0f00$(printf '%06d' $((s % 1000000)))
allow 1024-65535 192.168.77.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
CONF
ip netns exec $router miniupnpd -d -f "$work/miniupnpd.conf" -P "$work/miniupnpd.pid" >"$work/miniupnpd.log" 2>&1 &
upnpd=$!
sleep 1

wait_for() { # file text seconds
    for _ in $(seq 1 $(($3 * 10))); do grep -qF "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}
mapped() { ip netns exec $router nft list chain inet filter prerouting_miniupnpd | grep -c "dport 7772"; }

ip netns exec $home "$server" --open-router --no-announce --seed 3 --bot-speed 0 --pause-ms 50 \
    >"$work/server.log" 2>&1 &
host=$!
wait_for "$work/server.log" "Friends elsewhere can join at 11.22.33.1:7772" 15 ||
    fail "the server did not say it can be joined at the router's address"
[ "$(mapped)" -ge 1 ] || fail "the router holds no mapping for port 7772"

# The friend: logs in through the public address, starts a game, passes
# when asked and plays a card when it is its turn.
ip netns exec $net python3 - >"$work/friend.log" 2>&1 <<'PY' || fail "the friend could not play a card"
import socket, sys
s = socket.create_connection(("11.22.33.1", 7772), timeout=10)
buffer = b""
def lines():
    global buffer
    while True:
        while b"\xff" in buffer:
            line, buffer = buffer.split(b"\xff", 1)
            yield line.decode("utf-8", "replace")
        data = s.recv(4096)
        if not data:
            return
        buffer += data
def send(text):
    s.sendall(text.encode() + b"\xff")
cards = {}
for line in lines():
    print(line)
    fields = line.split("+")
    if fields[0] == "CMD_sendlogininfo":
        send("CMD_logininfo+1+1.0.9+Friend")
        send("CMD_startgame+Friend+100+0+")
    elif fields[0] == "CMD_mycards" and fields[1] == "1":
        for i in range(2, len(fields) - 1, 2):
            if fields[i] and fields[i + 1]:
                cards[int(fields[i])] = int(fields[i + 1])
    elif fields[0] == "CMD_passcards" and fields[1] == "1":
        slots = sorted(cards)[:3]
        send("CMD_passcards+1+%d+%d+%d+" % tuple(slots))
    elif fields[0] == "CMD_passedcards" and fields[1] == "1":
        for slot in fields[2:5]:
            cards.pop(int(slot), None)
    elif fields[0] == "CMD_nextplayer" and fields[1] == "1":
        for slot in sorted(cards):
            send("CMD_playcard+1+%d+" % slot)
    elif fields[0] == "CMD_heplayed" and fields[1] == "1":
        print("played", fields[2])
        sys.exit(0)
    elif fields[0] == "CMD_error":
        continue
sys.exit(1)
PY
grep -q "^played" "$work/friend.log" || fail "no card of the friend's was played"

kill -TERM $host; wait $host
grep -qF "the router's port is closed again" "$work/server.log" || fail "the server did not close the port"
[ "$(mapped)" -eq 0 ] || fail "the mapping outlived the table"

kill $upnpd; wait $upnpd 2>/dev/null
ip netns exec $home "$server" --open-router --no-announce >"$work/refused.log" 2>&1 &
host=$!
wait_for "$work/refused.log" "Your router did not allow it: ask the person who runs it to forward TCP port 7772 to this computer" 20 ||
    fail "without miniupnpd the server did not say the router did not allow it"
kill -TERM $host; wait $host
# A router that speaks NAT-PMP alone: the server falls back to it.
sed 's/^enable_upnp=yes/enable_upnp=no/' "$work/miniupnpd.conf" >"$work/natpmp.conf"
ip netns exec $router miniupnpd -d -f "$work/natpmp.conf" -P "$work/natpmp.pid" >"$work/natpmp.log" 2>&1 &
upnpd=$!
sleep 1
ip netns exec $home "$server" --open-router --no-announce >"$work/natpmp-server.log" 2>&1 &
host=$!
wait_for "$work/natpmp-server.log" "through NAT-PMP" 20 || fail "the server did not map the port through NAT-PMP"
[ "$(mapped)" -ge 1 ] || fail "the router holds no NAT-PMP mapping for port 7772"
kill -TERM $host; wait $host
[ "$(mapped)" -eq 0 ] || fail "the NAT-PMP mapping outlived the table"
kill $upnpd; wait $upnpd 2>/dev/null
echo "PASS: mapped, joined through 11.22.33.1:7772, a card played, the mapping removed, a refusal said, NAT-PMP when UPnP is off"
